#include "reader/app/SettingsDlg.h"

#include "framework/win/Controls.h"
#include "reader/app/Autorun.h"
#include "reader/logic/AutorunSequence.h"
#include "reader/app/FontDescription.h"
#include "reader/logic/SettingsSequence.h"

const MessageEntry<SettingsDlg> SettingsDlg::messageMap[] = {
    OnClicked<&SettingsDlg::OnAutorunClicked>(IDC_AUTORUN),
    OnNotify<&SettingsDlg::OnPlanStartChange>(DTN_DATETIMECHANGE, IDC_PLAN_START),
    OnClicked<&SettingsDlg::OnChimeClicked>(IDC_CHIME),
    OnNotify<&SettingsDlg::OnAutorunTimeChange>(DTN_DATETIMECHANGE, IDC_AUTORUN_TIME),
};

namespace {

// The system font's description, or all zeros where it cannot be had: the font the verse falls
// back to when settings.dat holds none.
FontDescription SystemFontDescription() {
    LOGFONTA description{};
    if (::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof description, &description) == 0) description = LOGFONTA{};
    return ToFontDescription(description);
}

} // namespace

SettingsDlg::SettingsDlg() : CDialog(IDD), m_platform(&Win32AutorunPlatform()) {}

SettingsDlg::~SettingsDlg() = default;

bool SettingsDlg::LoadSettings(const CString& programDirectory, const CString& fileName) {
    m_programDirectory = programDirectory;
    m_files = FilesOfFolder(static_cast<const char*>(programDirectory), static_cast<const char*>(fileName));
    m_settingsPath = m_files.settings.c_str();
    Settings settings;
    const CTime now = CTime::GetCurrentTime();
    const bool found = LoadSettingsFromFolder(m_files, now, SystemFontDescription(), settings);
    m_autorun = settings.autorun;
    m_chime = settings.chime;
    m_autorunTime = settings.autorunTime;
    m_fontDescription = ToLogFont(settings.font);
    m_bookPath = settings.bookPath.c_str();
    m_window = settings.window;
    m_look = settings.look;
    UpdateData(FALSE);
    OnAutorunClicked();
    m_loaded = true;
    if (!KeepStoredDailyStart(m_files, found, settings, now, *m_platform)) autorun::StopScheduler(m_files, *m_platform);
    return found;
}

Settings SettingsDlg::CurrentSettings() const {
    return {m_autorun != 0,
            m_chime != 0,
            m_autorunTime,
            ToFontDescription(m_fontDescription),
            static_cast<const char*>(m_bookPath),
            m_window,
            m_look};
}

bool SettingsDlg::SaveSettings() {
    UpdateData(TRUE);
    Settings settings = CurrentSettings();
    SaveSettingsToFolder(m_files, CTime::GetCurrentTime(), *m_platform, settings);
    m_autorunTime = settings.autorunTime;
    return true;
}

CFont* SettingsDlg::ApplyFont(const LOGFONTA* description) {
    if (description) m_fontDescription = *description;
    m_verseFont.CreateFontIndirect(&m_fontDescription);
    return &m_verseFont;
}

bool SettingsDlg::SaveChoices() {
    if (!m_loaded) return false;
    UpdateData(TRUE);
    return WriteSettingsToFolder(m_files, CTime::GetCurrentTime(), CurrentSettings());
}

void SettingsDlg::OnAutorunClicked() {
    UpdateData(TRUE);
    ::EnableWindow(GetDlgItem(IDC_AUTORUN_TIME), m_autorun != 0);
    SaveChoices();
}

void SettingsDlg::OnChimeClicked() { SaveChoices(); }

void SettingsDlg::OnAutorunTimeChange(NMHDR*, LRESULT* result) {
    *result = 0;
    SaveChoices();
}

// clang-format off
void SettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX,        IDC_AUTORUN,      m_autorun);
    DDX_Check(pDX,        IDC_CHIME,        m_chime);
    DDX_DateTimeCtrl(pDX, IDC_AUTORUN_TIME, m_autorunTime);
    DDX_Text(pDX,         IDC_BOOK_PATH,    m_bookPath);
    if (!pDX->m_bSaveAndValidate) ShowEndOfBookPath();
}
// clang-format on

// The box is narrower than most paths: it shows their end, the book's file name.
void SettingsDlg::ShowEndOfBookPath() {
    const HWND box = GetDlgItem(IDC_BOOK_PATH);
    const int length = ::GetWindowTextLengthW(box);
    ::SendMessageW(box, EM_SETSEL, length, length);
    ::SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return DispatchMessageMap(messageMap, *this, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

void SettingsDlg::ShowPlanStart(bool plan, const Date& start) {
    const HWND picker = GetDlgItem(IDC_PLAN_START);
    if (plan) {
        SYSTEMTIME date = SystemTimeOf(start);
        ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    }
    ::EnableWindow(picker, plan);
}

void SettingsDlg::OnPlanStartChange(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(header);
    if (change->dwFlags == GDT_VALID && m_onPlanStart) m_onPlanStart(DateOf(change->st));
}
