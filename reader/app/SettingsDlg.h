#pragma once

#include "framework/win/CDialog.h"
#include "framework/win/CFont.h"
#include "framework/core/Calendar.h"
#include "framework/win/MessageMap.h"
#include "reader/logic/AutorunPlatform.h"
#include "reader/logic/ProgramFiles.h"
#include "reader/logic/SettingsDefaults.h"
#include "reader/res/resource.h"

#include <functional>
#include <optional>

// The settings panel, a child of the main window, and the reader's settings in memory. It reads
// settings.dat once at start-up and writes it at each choice the user makes and when the reader ends.
class SettingsDlg : public CDialog {
public:
    enum { IDD = IDD_SETTINGS };

    SettingsDlg();
    ~SettingsDlg() override;

    // Reads the settings file in programDirectory into the members and the controls, then keeps the
    // daily start that it holds armed, or, where it holds none, stops a waiting scheduler. True when
    // the file could be opened, however much of it there was.
    bool LoadSettings(const CString& programDirectory, const CString& fileName);
    // Reads the controls back, writes the settings file that LoadSettings read with the next start
    // time, then arms or stops the autorun. Always true.
    bool SaveSettings();
    // Reads the controls back and writes the settings file, arming and stopping nothing: each choice
    // is kept when it is made. False where the file could not be written, or before LoadSettings.
    bool SaveChoices();
    // The autorun check box: the time picker is enabled with it; a click after the settings are
    // loaded is kept at once.
    void OnAutorunClicked();
    bool HasFont() const { return m_fontDescription.lfHeight != 0; }
    // Shows the start of the open plan; a calendar book has none.
    void ShowPlanStart(bool plan, const Date& start);
    // Copies description, if given, over the font description, then makes the verse font from it;
    // the font object that SettingsDlg owns, holding no font if it could not be made.
    CFont* ApplyFont(const LOGFONTA* description);

    int m_autorun = 0;
    int m_chime = 0;
    CTime m_autorunTime;
    CString m_bookPath;
    CString m_programDirectory;
    CFont m_verseFont;
    LOGFONTA m_fontDescription{};
    // The settings file's path, as LoadSettings found it; the file is read and written through
    // m_files, so nothing reads it back.
    CString m_settingsPath;
    // The program folder's files, named by LoadSettings; the main window reads them too.
    ProgramFiles m_files;
    // Where the main window was left, which the main window reads at its start and sets before a
    // save.
    std::optional<WindowPlace> m_window;
    // What the autorun asks of the machine: Windows, or a test's stand-in. Not owned.
    AutorunPlatform* m_platform;
    // How the main window shows the day's text, which it sets.
    TextLook m_look;
    // The main window's answer to a start the user chose.
    std::function<void(const Date&)> m_onPlanStart;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ShowEndOfBookPath();
    void OnChimeClicked();
    void OnAutorunTimeChange(NMHDR* header, LRESULT* result);
    Settings CurrentSettings() const;
    void OnPlanStartChange(NMHDR* header, LRESULT* result);

    static const MessageEntry<SettingsDlg> messageMap[];
    bool m_loaded = false;
};
