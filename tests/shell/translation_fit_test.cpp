#include "../core/fakeplatform.h"
#include "shell/cheatwindow.h"
#include "shell/mainwindow.h"
#include "shell/shell.h"

#include <QDir>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <clocale>
#include <libintl.h>

extern "C" int _nl_msg_cat_cntr; // moved on, gettext reads LANGUAGE afresh

namespace zandiro::testing {
namespace {

// The build's catalogue of a language, or English for none. LANGUAGE counts
// under C.UTF-8, not under C.
void useLanguage(const QString& language) {
    bindtextdomain(ZANDIRO_TEXT_DOMAIN, ZANDIRO_LOCALE_DIR);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    setenv("LANGUAGE", language.toUtf8().constData(), 1);
    ++_nl_msg_cat_cntr;
}

// No character falls to the missing glyph (0) of every font fontconfig offers.
void expectGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        EXPECT_FALSE(run.glyphIndexes().contains(0)) << "a box in " << text.toStdString();
    }
}

// Each caption's width against its room as drawn: inside a label's border, a
// heading (sized to its text) inside the layout's box, inside a button's frame.
void expectCaptionsFit(const QString& language, Shell& shell) {
    shell.refresh();
    const std::vector<Control>& controls = shell.program().zandiro.form.controls();
    for (std::size_t id = 0; id < controls.size(); ++id) {
        const Control& c = controls[id];
        QWidget* widget = shell.mainWindow().widgetFor(ControlId(id));
        int need = widget->fontMetrics().horizontalAdvance(QString::fromStdString(c.caption));
        expectGlyphs(QString::fromStdString(c.caption), widget->font());
        QStyleOptionButton option;
        option.initFrom(widget);
        int room = widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option).width();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            need = c.autosize ? label->width() : need;
            room = c.autosize ? c.width : label->contentsRect().width();
        }
        EXPECT_LE(need, room) << language.toStdString() << ": " << c.name << "(" << c.index
                              << ") \"" << c.caption << "\"";
    }
}

// Every category at its widest score (Zandiro's caption is the same in every
// language), the totals at five digits.
void scoreWidest(Zandiro& game) {
    using Turn = std::pair<std::array<int, 5>, void (Zandiro::*)()>;
    for (const auto& [faces, handler] :
         {Turn{{6, 6, 6, 6, 6}, &Zandiro::thrkind_Click},
          Turn{{6, 6, 6, 6, 6}, &Zandiro::frkind_Click},
          Turn{{6, 6, 6, 6, 6}, &Zandiro::chance_Click},
          Turn{{6, 6, 6, 5, 5}, &Zandiro::fullh_Click}, Turn{{1, 2, 3, 4, 5}, &Zandiro::sstr_Click},
          Turn{{2, 3, 4, 5, 6}, &Zandiro::lstr_Click}}) {
        std::copy(faces.begin(), faces.end(), game.dice.begin() + 1);
        (game.*handler)();
    }
    for (std::int16_t k = 1; k <= 6; ++k) {
        game.dice.fill(k);
        game.numbers_Click(k);
    }
    game.fvkindscore = 32000;
    game.endturn();
}

TEST(TranslationFit, EveryCaptionFitsItsControlInEveryLanguage) {
    FakePlatform platform;
    const QString english = QString::fromStdString(Program(platform).cheat.Label1.caption);
    const QDir catalogues(QStringLiteral(ZANDIRO_LOCALE_DIR));
    ASSERT_GE(catalogues.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 6);
    for (const QString& language : catalogues.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        useLanguage(language);
        Shell shell(platform);
        shell.start();
        EXPECT_NE(shell.program().zandiro.control("press").caption, "Roll") << "untranslated";
        expectCaptionsFit(language, shell);
        scoreWidest(shell.program().zandiro);
        expectCaptionsFit(language, shell);
        // The code window's label wraps into no more lines than the English.
        shell.program().zandiro.Form_DblClick();
        shell.refresh();
        const auto* label = shell.cheatWindow()->findChild<QLabel*>();
        const auto lines = [&](const QString& text) {
            const QFontMetrics metrics = label->fontMetrics();
            return metrics.boundingRect(label->rect(), Qt::TextWordWrap, text).height() /
                   metrics.lineSpacing();
        };
        EXPECT_LE(lines(label->text()), lines(english))
            << language.toStdString() << ": code window";
    }
    useLanguage(QString());
}

} // namespace
} // namespace zandiro::testing
