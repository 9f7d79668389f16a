#include "../core/fakeplatform.h"
#include "form/hittest.h"
#include "game/layout.h"
#include "game/scorecard.h"
#include "input/direction.h"
#include "input/virtualkeys.h"
#include "shell/cheatwindow.h"
#include "shell/mainwindow.h"
#include "shell/shell.h"

#include <QDir>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <clocale>
#include <libintl.h>
#include <string_view>

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

// Rolls the dice that give a category its widest score: five of its face in
// the upper section, a full house and the straights, five sixes elsewhere.
void rollWidest(FakePlatform& platform, ControlRef category) {
    const std::string_view name = category.name;
    const int face = name == "numbers" ? category.index : 6;
    if (name == "fullh") {
        platform.rollFaces({6, 6, 6, 5, 5});
    } else if (name == "sstr") {
        platform.rollFaces({1, 2, 3, 4, 5});
    } else if (name == "lstr") {
        platform.rollFaces({2, 3, 4, 5, 6});
    } else {
        platform.rollFaces({face, face, face, face, face});
    }
}

// Every category at its widest score, the totals at five digits: Zandiro,
// whose caption is the same in every language, stays open while it scores.
void scoreWidest(Shell& shell, FakePlatform& platform) {
    const auto turn = [&](int category) {
        rollWidest(platform, categoryControl(category));
        shell.deliver(activateAt({FocusKind::Button, 1}));
        shell.deliver(activateAt({FocusKind::Category, category}));
    };
    const auto isZandiro = [](int c) {
        return std::string_view(categoryControl(c).name) == "fvkind";
    };
    for (int c = 1; c <= categoryCount; ++c) {
        while (isZandiro(c) && shell.program().zandiro.grandtotal < 10000) {
            turn(c);
        }
    }
    for (int c = 1; c <= categoryCount; ++c) {
        if (!isZandiro(c)) {
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

// In a language read right to left the window is drawn mirrored: the arrows
// move as drawn, and a press reaches the die drawn there.
TEST(RightToLeft, ArrowsAndPressesAreTurnedBack) {
    FakePlatform platform;
    const auto focusAfter = [&](const QString& language, std::int16_t key) {
        useLanguage(language);
        Shell shell(platform);
        shell.start();
        platform.rollFaces({1, 2, 3, 4, 5});
        shell.deliver(activateAt({FocusKind::Button, 1}));
        for (int tab = 0; tab < 30 && shell.program().keyboard.focus().kind != FocusKind::Die;
             ++tab) {
            shell.deliver(keyDown(GameWindow::Main, vk::tab));
        }
        shell.deliver(keyDown(GameWindow::Main, key));
        return shell.program().keyboard.focus();
    };
    ASSERT_NE(focusAfter(QString(), vk::left), focusAfter(QString(), vk::right));
    EXPECT_EQ(focusAfter(QStringLiteral("he"), vk::left), focusAfter(QString(), vk::right));
    EXPECT_EQ(focusAfter(QStringLiteral("he"), vk::right), focusAfter(QString(), vk::left));

    ASSERT_TRUE(readsRightToLeft());
    Shell shell(platform);
    shell.start();
    platform.rollFaces({1, 2, 3, 4, 5});
    shell.deliver(activateAt({FocusKind::Button, 1}));
    const Control& body = shell.program().zandiro.Rect(2);
    const double x = mirroredX(body.left + 10, mainClientWidth);
    shell.deliver(pressAt(x, body.top + 10));
    shell.deliver(releaseAt(x, body.top + 10));
    EXPECT_TRUE(shell.program().zandiro.Hold(2).visible) << "a press where die 2 is drawn holds it";
    useLanguage(QString());
}

} // namespace
} // namespace zandiro::testing
