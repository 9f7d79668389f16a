#include "../core/fakeplatform.h"
#include "form/hittest.h"
#include "game/layout.h"
#include "game/scorecard.h"
#include "input/direction.h"
#include "shell/cheatwindow.h"
#include "shell/mainwindow.h"
#include "shell/shell.h"

#include <QDir>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>
#include <array>
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

// The dice that give each category its widest score, in scorecard order.
constexpr std::array<std::array<int, 5>, categoryCount> widest{{{1, 1, 1, 1, 1},
                                                                {2, 2, 2, 2, 2},
                                                                {3, 3, 3, 3, 3},
                                                                {4, 4, 4, 4, 4},
                                                                {5, 5, 5, 5, 5},
                                                                {6, 6, 6, 6, 6},
                                                                {6, 6, 6, 6, 6},
                                                                {6, 6, 6, 6, 6},
                                                                {6, 6, 6, 5, 5},
                                                                {1, 2, 3, 4, 5},
                                                                {2, 3, 4, 5, 6},
                                                                {6, 6, 6, 6, 6},
                                                                {6, 6, 6, 6, 6}}};

// Every category at its widest score, the totals at five digits: Zandiro,
// whose caption is the same in every language, stays open while it scores.
void scoreWidest(Shell& shell, FakePlatform& platform) {
    const auto turn = [&](int category) {
        const auto& faces = widest[static_cast<std::size_t>(category - 1)];
        platform.rollFaces({faces[0], faces[1], faces[2], faces[3], faces[4]});
        shell.deliver(activateAt({FocusKind::Button, 1}));
        shell.deliver(activateAt({FocusKind::Category, category}));
    };
    const auto isZandiro = [](const Category& c) {
        return std::string_view(c.label.name) == "fvkind";
    };
    const int zandiro =
        static_cast<int>(std::find_if(std::begin(scorecard), std::end(scorecard), isZandiro) -
                         std::begin(scorecard)) +
        1;
    while (shell.program().zandiro.grandtotal < 10000) {
        turn(zandiro);
    }
    for (int c = 1; c <= categoryCount; ++c) {
        if (c != zandiro) {
            turn(c);
        }
    }
}

// A double-click on the window's background, as drawn.
void doubleClickBackground(Shell& shell) {
    const Form& form = shell.program().zandiro.form;
    for (int x = 0; x < mainClientWidth; ++x) {
        if (controlAt(form, x + 0.5, mainClientHeight - 0.5) == noControl) {
            const double drawnX =
                readsRightToLeft() ? mirroredX(x + 0.5, mainClientWidth) : x + 0.5;
            shell.deliver(pressAt(drawnX, mainClientHeight - 0.5));
            shell.deliver(releaseAt(drawnX, mainClientHeight - 0.5));
            shell.deliver(doubleClickAt(drawnX, mainClientHeight - 0.5));
            return;
        }
    }
    ADD_FAILURE() << "no background on the window's last row";
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
        scoreWidest(shell, platform);
        expectCaptionsFit(language, shell);
        // The code window's label wraps into no more lines than the English.
        doubleClickBackground(shell);
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
