#include "reader/app/SettingsDlg.h"

#include "reader/app/Autorun.h"
#include "reader/app/NextStart.h"
#include "reader/app/SettingsFile.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(FontDescription), "settings.dat keeps a LOGFONTA as it lies in memory");

const MessageEntry<SettingsDlg> SettingsDlg::messageMap[] = {
    OnClicked<&SettingsDlg::OnAutorunClicked>(IDC_AUTORUN),
};

namespace {

LOGFONTA SystemFontDescription() {
    LOGFONTA description{};
    if (::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof description, &description) == 0)
        std::memset(&description, 0, sizeof description);
    return description;
}

} // namespace

SettingsDlg::SettingsDlg() : CDialog(IDD) {}

SettingsDlg::~SettingsDlg() = default;

bool SettingsDlg::LoadSettings(const CString& programDirectory, const CString& fileName) {
    m_programDirectory = programDirectory;
    m_settingsPath = programDirectory + fileName;
    const CTime now = CTime::GetCurrentTime();

    SettingsRecord record;
    const bool found = ReadSettingsFile(m_settingsPath, record);
    m_autorun = record.autorun;
    m_chime = record.chime;
    m_autorunTime = record.nextStartTime ? DateAtTimeOfDay(now, CTime(*record.nextStartTime)) : DateAt(now, 8, 0, 0);
    if (record.font)
        std::memcpy(&m_fontDescription, record.font->data(), sizeof m_fontDescription);
    else
        m_fontDescription = SystemFontDescription();
    m_bookPath = record.bookPath.c_str();
    if (m_bookPath.IsEmpty()) m_bookPath = programDirectory + "quillmere.pdb";

    UpdateData(FALSE);
    OnAutorunClicked();
    StopScheduler(m_programDirectory);
    return found;
}

bool SettingsDlg::SaveSettings() {
    UpdateData(TRUE);
    m_autorunTime = NextStartTime(CTime::GetCurrentTime(), m_autorunTime);
    FontDescription font;
    std::memcpy(font.data(), &m_fontDescription, font.size());
    const std::string bytes = SettingsBytes(m_autorun != 0, m_autorunTime.GetTime(), m_chime != 0, font,
                                            static_cast<const char*>(m_bookPath));
    if (WriteSettingsFile(m_programDirectory + "settings.dat", bytes))
        ApplyAutorun(m_autorun != 0, m_programDirectory, m_autorunTime);
    return true;
}

CFont* SettingsDlg::ApplyFont(const LOGFONTA* description) {
    if (description) m_fontDescription = *description;
    m_verseFont.CreateFontIndirect(&m_fontDescription);
    return &m_verseFont;
}

void SettingsDlg::OnAutorunClicked() {
    UpdateData(TRUE);
    ::EnableWindow(GetDlgItem(IDC_AUTORUN_TIME), m_autorun != 0);
}

// clang-format off
void SettingsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX,        IDC_AUTORUN,      m_autorun);
    DDX_Check(pDX,        IDC_CHIME,        m_chime);
    DDX_DateTimeCtrl(pDX, IDC_AUTORUN_TIME, m_autorunTime);
    DDX_Text(pDX,         IDC_BOOK_PATH,    m_bookPath);
}
// clang-format on

bool SettingsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return DispatchMessageMap(messageMap, *this, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}
