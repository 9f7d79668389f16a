#pragma once

#include "form/form.h"
#include "form/window.h"
#include "game/module1.h"
#include "game/platform.h"

#include <array>
#include <cstdint>

namespace zandiro {

class Cheat;

enum class MouseButton { Left, Right, Middle };

// The main window object: its variables, its controls and its handlers. The
// variables outlive the controls, which are built afresh at every load.
class Zandiro {
  public:
    Zandiro(Module1& module1, Platform& platform, Cheat& cheat);
    // A copy would share the rules, the platform and the code window with the
    // original, so there is none.
    Zandiro(const Zandiro&) = delete;
    Zandiro& operator=(const Zandiro&) = delete;

    // Creates the window from its layout, runs Form_Load and shows it.
    void load();

    // Events as the toolkit delivers them; each reaches the handler of the
    // control or of the window that takes it.
    void click(ControlId id);
    void mouseDown(double x, double y);
    void mouseUp(MouseButton button, double x, double y);
    void dblClick(double x, double y);
    void closeBox();

    // Handlers and procedures of the window.
    void Form_Load();
    void restart_Click();
    void exitgame_Click();
    void press_Click();
    void pv(int die, int pos);
    void Hold_Click(std::int16_t Index);
    // Button and Shift are the handler's own parameters, unused: any press
    // holds or releases the die it lands on.
    void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Form_DblClick();
    void Label1_Click();
    void Label2_Click();
    void numbers_Click(std::int16_t Index);
    void thrkind_Click();
    void frkind_Click();
    void fvkind_Click();
    void chance_Click();
    void fullh_Click();
    void fullhouse();
    void sstr_Click();
    void lstr_Click();
    void endturn();
    void endgame();
    void loadimages();
    void loadlabels();

    // Controls by name, and members of the control arrays by index.
    Control& control(std::string_view name) { return form.get(name); }
    const Control& control(std::string_view name) const { return form.get(name); }
    Control& Hold(int d) { return form.get("Hold", d); }
    const Control& Hold(int d) const { return form.get("Hold", d); }
    Control& Rect(int d) { return form.get("Rect", d); }
    const Control& Rect(int d) const { return form.get("Rect", d); }
    Control& pip(int k) { return form.get("pip", k); }
    const Control& pip(int k) const { return form.get("pip", k); }
    Control& numbers(int k) { return form.get("numbers", k); }
    // A category is used exactly while its label's text is the used colour,
    // blue.
    bool isUsed(std::string_view name, int index = -1) const;

    WindowFrame window;
    Form form;

    std::array<std::int32_t, 6> dice{};
    std::int16_t rolls = 0;
    std::array<std::int32_t, 7> upper{};
    std::int32_t uppertotal = 0;
    std::int16_t filled = 0;
    std::int32_t thrkindscore = 0;
    std::int32_t frkindscore = 0;
    std::int32_t fullhscore = 0;
    std::int32_t sstrscore = 0;
    std::int32_t lstrscore = 0;
    std::int32_t fvkindscore = 0;
    std::int32_t chancescore = 0;
    std::int32_t lowertotal = 0;
    std::int16_t grandtotal = 0;
    std::array<std::int16_t, 7> facecount{};

  private:
    void countFaces();
    bool anyFaceAtLeast(int count) const;
    bool present(int face) const { return facecount[face] > 0; }
    std::int32_t diceSum() const;
    void ofAKind(const char* label, int threshold, std::int32_t& score, const char* prefix);
    void straight(const char* label, bool holds, std::int32_t& score, std::int32_t points,
                  const char* caption);
    void setCategoriesEnabled(bool enabled);
    void toggleHold(int d);

    Module1& module1_;
    Platform& platform_;
    Cheat& cheat_;
    ControlId pressed_ = -1;       // the control a press went down on, until released
    bool lastPressOnForm_ = false; // a double-click goes where its first press went
};

} // namespace zandiro
