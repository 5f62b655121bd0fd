#include "resources/Resources.h"

#include "platform/DialogWindow.h"
#include "resources/ResourceIds.h"

namespace sonnavet {

namespace {

using K = ControlKind;

ControlTemplate Ctl(int id, K kind, const char* text, int x, int y, int w, int h)
{
    ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = text;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    // Push buttons, check boxes, lists, trackbars and the drop-down are tab stops;
    // the tuning radio buttons and the labels are not.
    c.tabStop = kind == K::PushButton || kind == K::DefaultPushButton || kind == K::CheckBox ||
                kind == K::ListBox || kind == K::Trackbar || kind == K::DropDownList;
    return c;
}

ControlTemplate Slider(int id, int x, int y, bool autoTicks)
{
    ControlTemplate c = Ctl(id, K::Trackbar, "", x, y, 100, 15);
    c.autoTicks = autoTicks;
    return c;
}

DialogTemplate BuildMainDialog()
{
    DialogTemplate t;
    t.id = IDD_ZELKWIN_DIALOG;
    t.caption = "The Sonnavet";
    t.width = 552;
    t.height = 358;
    t.menuId = IDR_MENU;
    t.minimizeBox = true;
    t.appWindow = true;
    t.controls = {
        Ctl(kStaticId, K::GroupBox, "Total Practice Time", 7, 95, 216, 37),
        Ctl(kStaticId, K::GroupBox, "Practice Time This Session", 6, 144, 216, 36),
        Ctl(IDC_STARTSTOP, K::PushButton, "Start Ear Training", 228, 186, 85, 14),
        Ctl(IDC_ALLNOTESOFF, K::PushButton, "All Notes Off", 378, 186, 60, 14),
        Ctl(IDC_QUIT, K::PushButton, "Quit", 498, 186, 50, 14),
        Ctl(IDC_CLEARTOTAL, K::PushButton, "Clear", 162, 108, 50, 14),
        Ctl(IDC_CLEARSESSION, K::PushButton, "Clear", 162, 156, 50, 14),
        Ctl(IDC_TOTALTIME, K::StaticText, "0 Days, 0 Hours, 0 Minutes", 36, 114, 108, 8),
        Ctl(IDC_SESSIONTIME, K::StaticText, "00:00:00", 66, 162, 30, 8),
        Ctl(IDC_POSITIONS, K::ListBox, "", 12, 222, 54, 120),
        Ctl(kStaticId, K::StaticText, "Positions:", 6, 210, 36, 8),
        Ctl(IDC_BEATS, K::ListBox, "", 72, 222, 54, 120),
        Ctl(kStaticId, K::StaticText, "Beats:", 72, 210, 36, 8),
        Slider(IDC_TIMEBETWEENMELODIES, 138, 228, true),
        Slider(IDC_PAUSEDURATION, 246, 228, false),
        Slider(IDC_TEMPO, 138, 276, true),
        Slider(IDC_RANDOMIZATION, 246, 276, true),
        Slider(IDC_MELODYRANGE, 138, 324, true),
        Ctl(IDC_STRETCHDOWN, K::CheckBox, "Stretch Down", 252, 324, 59, 10),
        Ctl(IDC_INSTRUMENT, K::DropDownList, "", 366, 228, 90, 126),
        Ctl(kStaticId, K::StaticText, "MIDI Instrument:", 366, 216, 78, 8),
        Ctl(kStaticId, K::StaticText, "Tune:", 474, 216, 24, 8),
        Slider(IDC_VOLUME, 360, 276, false),
        Ctl(kStaticId, K::StaticText, "Volume:", 366, 264, 30, 8),
        Ctl(IDC_TUNE_LOE, K::RadioButton, "Lo E", 480, 228, 30, 10),
        Ctl(IDC_TUNE_A, K::RadioButton, "A", 480, 252, 30, 10),
        Ctl(IDC_TUNE_D, K::RadioButton, "D", 480, 276, 30, 10),
        Ctl(IDC_TUNE_G, K::RadioButton, "G", 516, 228, 30, 10),
        Ctl(IDC_TUNE_B, K::RadioButton, "B", 516, 252, 30, 10),
        Ctl(IDC_TUNE_HIE, K::RadioButton, "Hi E", 516, 276, 30, 10),
        Ctl(IDC_GETREADY, K::CheckBox, "Get Ready...", 366, 312, 58, 10),
        Ctl(IDC_SINGALONG, K::CheckBox, "Sing Along", 366, 324, 49, 10),
        Ctl(IDC_SINGALONE, K::CheckBox, "Sing Alone", 366, 336, 49, 10),
        Ctl(IDC_PLAYFIRSTNOTE, K::CheckBox, "Play First Note", 456, 312, 63, 10),
        Ctl(IDC_PLAY, K::CheckBox, "Play", 456, 324, 29, 10),
        Ctl(IDC_PLAYWITHCOMPUTER, K::CheckBox, "Play with Computer", 456, 336, 78, 10),
        Ctl(kStaticId, K::StaticText, "Time Between Melodies:", 144, 216, 78, 8),
        Ctl(kStaticId, K::StaticText, "Pause Duration:", 252, 216, 78, 8),
        Ctl(kStaticId, K::StaticText, "Randomization:", 252, 264, 78, 8),
        Ctl(kStaticId, K::StaticText, "Tempo (BPM):", 144, 264, 78, 8),
        Ctl(kStaticId, K::StaticText, "Melody Range (+/-):", 144, 312, 78, 8),
        Ctl(kStaticId, K::StaticText, "1 s", 144, 246, 10, 8),
        Ctl(kStaticId, K::StaticText, "10 s", 222, 246, 14, 8),
        Ctl(IDC_TIMEBETWEENMELODIES_LABEL, K::StaticText, "(nn s)", 180, 246, 20, 8),
        Ctl(kStaticId, K::StaticText, "1 s", 252, 246, 10, 8),
        Ctl(kStaticId, K::StaticText, "10 s", 330, 246, 14, 8),
        Ctl(IDC_PAUSEDURATION_LABEL, K::StaticText, "(nn s)", 288, 246, 20, 8),
        Ctl(kStaticId, K::StaticText, "50", 144, 294, 9, 8),
        Ctl(kStaticId, K::StaticText, "200", 222, 294, 13, 8),
        Ctl(IDC_TEMPO_LABEL, K::StaticText, "(nnn)", 180, 294, 18, 8),
        Ctl(kStaticId, K::StaticText, "Less", 252, 294, 15, 8),
        Ctl(kStaticId, K::StaticText, "More", 330, 294, 17, 8),
        Ctl(IDC_RANDOMIZATION_LABEL, K::StaticText, "(100%)", 288, 294, 26, 8),
        Ctl(IDC_MELODYRANGE_LABEL, K::CentredStaticText, "Maj 3rd", 144, 342, 96, 8),
        Ctl(IDC_STATUSFRAME, K::EtchedFrame, "", 228, 96, 318, 84),
    };
    return t;
}

DialogTemplate BuildAboutDialog()
{
    DialogTemplate t;
    t.id = IDD_ABOUTBOX;
    t.caption = "About ZELKWin";
    t.width = 235;
    t.height = 132;
    ControlTemplate icon = Ctl(kStaticId, K::Icon, "", 6, 6, 21, 20);
    icon.iconId = IDR_MAINFRAME;
    ControlTemplate version = Ctl(kStaticId, K::StaticText, "ZELKWin Version 1.0", 36, 6, 119, 8);
    version.noPrefix = true;
    t.controls = {icon, version, Ctl(kIdOk, K::DefaultPushButton, "OK", 86, 109, 50, 16)};
    return t;
}

MenuTemplate BuildMainMenu()
{
    return MenuTemplate{IDR_MENU,
                        {{"&ZELK", {{"&Quit", ID_ZELK_QUIT}}},
                         {"&Help", {{"&About ZELK...", ID_HELP_ABOUT}, {"", 0}, {"&Help...", ID_HELP_HELP}}}}};
}

}  // namespace

const DialogTemplate& MainDialogTemplate()
{
    static const DialogTemplate t = BuildMainDialog();
    return t;
}

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate t = BuildAboutDialog();
    return t;
}

const MenuTemplate& MainMenuTemplate()
{
    static const MenuTemplate m = BuildMainMenu();
    return m;
}

const MenuTemplate* FindMenuTemplate(int menuId)
{
    return menuId == IDR_MENU ? &MainMenuTemplate() : nullptr;
}

}  // namespace sonnavet
