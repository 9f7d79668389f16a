#include "shell/qtplatform.h"

#include "shell/language.h"

#include <QApplication>
#include <QMessageBox>

namespace zandiro {

void QtPlatform::messageBox(const std::string& text) {
    // Qt's translation is read only now: the start needs none of its texts.
    translateQtTexts();
    QWidget* parent = beforeMessage_ ? beforeMessage_() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::endProgram() {
    if (onEnd_) {
        onEnd_();
    }
    QCoreApplication::exit(0);
}

} // namespace zandiro
