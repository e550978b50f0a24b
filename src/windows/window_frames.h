// The frame the four working windows share, as data: the toolbar, the menus,
// and a table of what differs from one window to the next. The frame code
// (WorkingWindow) reads these tables; no window repeats it.
#pragma once

#include "frame_command.h"

#include <QString>
#include <array>

namespace tipolab {

inline constexpr int kToolbarButtonCount = 20;

struct ToolbarButton {
    const char* icon;    // picture under :/icons, none for a divider
    const char* tooltip; // "%1" stands for the window's print tooltip
    FrameCommand command;
    bool divider; // drawn as a separator; a click on it acts as the button after it
};

// Button `index` 1..20.
const ToolbarButton& toolbarButton(int index);

// What differs between the working windows. Every menu entry acts in every
// window, as its toolbar button does; only a command the window lacks (the
// clear of the results window, the acquisition form outside the types and data
// windows) leaves its entry and button disabled.
struct WindowFrame {
    int number;       // 1 'Tipi', 2 'Dati', 3 'Risultati', 4 'Frontespizio'
    const char* name; // as in "Finestra Tipi" and the help prompt
    const char* objectName;
    const char* caption;        // the window title
    const char* printTooltip;   // toolbar button 4
    const char* colourQuestion; // asked before turning every window grey
    bool printSubmenu;          // "S&tampa" opens the acquisition form and the window print
    bool helpPromptHelpTitle;   // help prompt titled with the help title, else the program name
    bool hasClear;              // the window has a clear command
    bool openShowsDataWindow;   // "&Apri..." first brings the data window to the front
    // Object names of the entries that are named differently in each window.
    const char* deleteEntry;
    const char* printEntry;       // the entry, or the submenu when printSubmenu
    const char* printFormEntry;   // only with printSubmenu
    const char* windowPrintEntry; // only with printSubmenu
    const char* exitEntry;
    const char* saveAsEntry;
    const char* checkEntry;
    const char* clearEntry;
    const char* tipsEntry;
    const char* windowNumberEntry; // the title "Fi&nestra n.N di 4"
};

// Working window 1..4.
const WindowFrame& windowFrame(int number);

// A menu entry of the common menus: a command with its caption, or a divider.
struct MenuEntry {
    const char* caption; // nullptr for a divider
    FrameCommand command;
    bool isDivider() const { return caption == nullptr; }
};

struct MenuTitle {
    const char* objectName;
    const char* caption;
    const MenuEntry* entries;
    int count;
};

// "&File", "&Modifica", "&Visualizza", "&?" with their entries in order.
const std::array<MenuTitle, 4>& frameMenus();

// The object name of the entry for `command` in `frame`'s menus.
const char* entryObjectName(const WindowFrame& frame, FrameCommand command);
// The key that runs `command` from any working window ("Ctrl+S"); nullptr for none.
const char* entryShortcut(FrameCommand command);

// The caption of the window-number title: 126 blanks, then "Fi&nestra n.N di 4".
QString windowNumberCaption(int number);

} // namespace tipolab
