#pragma once

class QString;
class QWidget;

namespace zandiro {

// Has a screen reader say `text` once, as a new description of `focused`,
// the object with the focus; a screen reader speaks changes of that object
// only. Does nothing while no assistive technology listens.
void announce(QWidget* focused, const QString& text);

} // namespace zandiro
