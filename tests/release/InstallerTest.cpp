// The life of one installation under Wine, in a prefix that no other test uses: the silent setup, a
// first start of the installed reader, an upgrade over it, a setup turned away while the reader is
// open, and the silent uninstaller. The tests named for Spanish run in a prefix whose display
// language is Spanish, and only there.
#include "Version.h"
#include "reader/res/resource.h"
#include "tests/e2e/Reader.h"
#include "tests/support/Shortcut.h"
#include "tests/support/Windows.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr char uninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmere";
constexpr char userBook[] = "My own book.pdb";

std::string InstallFolder() { return SpecialFolder(CSIDL_LOCAL_APPDATA) + "Programs\\Quillmere\\"; }

// Every file of the folder by name, with its bytes.
std::map<std::string, std::string> FolderContents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = TempFolder::Read(entry.path().string());
    return contents;
}

std::set<std::string> FileNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Runs program with arguments and waits for it; its exit code, or -1 when it could not be started or
// did not end.
int RunAndWait(const std::string& program, const std::string& arguments) {
    Process process;
    return process.Start(program, arguments, fs::current_path().string()) ? process.WaitForExit(60000) : -1;
}

int RunSetup() { return RunAndWait(QUILLMERE_SETUP, "/S"); }

// The setup and the uninstaller take longer than the programs.
constexpr DWORD installerDeadline = 20000;

// The process of the waiting scheduler, or 0 when none waits.
DWORD SchedulerProcess() {
    DWORD process = 0;
    if (HWND window = SchedulerWindow()) ::GetWindowThreadProcessId(window, &process);
    return process;
}

// The names of the running programs, one after another.
std::string RunningPrograms() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::string names;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
        names += std::string(entry.szExeFile) + " ";
    ::CloseHandle(snapshot);
    return names;
}

bool QuillmereRunning() {
    const std::string running = " " + RunningPrograms();
    return running.find(" Quillview.exe ") != std::string::npos || running.find(" Quillwake.exe ") != std::string::npos;
}

std::string RegistryText(const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CURRENT_USER, uninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return "(missing)";
    return value;
}

DWORD RegistryNumber(const char* name) {
    DWORD value = 0, size = sizeof value;
    if (::RegGetValueA(HKEY_CURRENT_USER, uninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

bool UninstallEntryThere() {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, uninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

// Whether a visible top-level window's caption begins with caption, given in UTF-8: the setup's
// window adds the page's subcaption to its own.
bool WindowShown(const std::string& caption) {
    struct Search {
        std::string caption;
        bool found;
    } search{caption, false};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            search.found = ::IsWindowVisible(window) && UnicodeText(window).rfind(search.caption, 0) == 0;
            return !search.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(fs::path(a), fs::path(b), error);
}

class InstallerTest : public ::testing::Test {
protected:
    const std::string folder = InstallFolder();
    Reader reader{folder};

    // What an earlier run may have left, gone.
    void SetUp() override {
        EndScheduler();
        WaitUntil([] { return !QuillmereRunning(); }, installerDeadline);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, uninstallKey);
        for (int folderId : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP})
            fs::remove(StartupLink(folderId), ignored);
        fs::remove(SpecialFolder(CSIDL_PROGRAMS) + "Quillmere.lnk", ignored);
    }

    // A scheduler left waiting would start the reader at its time, in the middle of a later test.
    void TearDown() override { EndScheduler(); }

    void InstallSilently();
    void StartAsOnAFirstStart();
    void UpgradeKeepsSettingsBooksAndTheDailyStart();
    void SetupTurnedAwayWhileTheReaderIsOpen();
    void UninstallSilently();
};

// The books of the plans that the setup ships, all chosen in a silent setup.
std::vector<std::string> PlanBooks() {
    std::vector<std::string> names;
    const std::string books = QUILLMERE_PLAN_BOOKS;
    for (std::size_t at = 0, end; at <= books.size(); at = end + 1) {
        end = std::min(books.find('|', at), books.size());
        names.push_back(books.substr(at, end - at));
    }
    return names;
}

// Every file a silent setup installs: the programs, the default book, the guides and the plan books.
std::set<std::string> InstalledFiles() {
    std::set<std::string> installed = {
        "Quillview.exe", "Quillwake.exe", "quillbook.exe", "quillmere.pdb",        "quill.wav",
        "README.txt",    "LEAME.txt",     "LICENSE",       "readings-example.txt", "Uninstall.exe"};
    for (const std::string& book : PlanBooks())
        installed.insert(book);
    return installed;
}

void InstallerTest::InstallSilently() {
    ASSERT_EQ(RunSetup(), 0);
    ASSERT_EQ(FileNames(folder), InstalledFiles());
    ASSERT_EQ(PlanBooks().size(), 21u);

    EXPECT_EQ(RegistryText("DisplayName"), "Quillmere");
    EXPECT_EQ(RegistryText("DisplayVersion"), QUILLMERE_VERSION);
    EXPECT_EQ(RegistryText("Publisher"), "Quillmere");
    EXPECT_EQ(RegistryText("DisplayIcon"), folder + "Quillview.exe,0");
    EXPECT_EQ(RegistryText("InstallLocation") + "\\", folder);
    EXPECT_EQ(RegistryText("UninstallString"), "\"" + folder + "Uninstall.exe\"");
    EXPECT_EQ(RegistryText("QuietUninstallString"), "\"" + folder + "Uninstall.exe\" /S");
    EXPECT_GT(RegistryNumber("EstimatedSize"), 25000u); // in KiB, the plan books taking most
    EXPECT_LT(RegistryNumber("EstimatedSize"), 45000u);
    EXPECT_EQ(RegistryNumber("NoModify"), 1u);
    EXPECT_EQ(RegistryNumber("NoRepair"), 1u);

    std::string target, description;
    ASSERT_TRUE(ReadShortcut(SpecialFolder(CSIDL_PROGRAMS) + "Quillmere.lnk", target, description));
    EXPECT_TRUE(SameFile(target, folder + "Quillview.exe")) << target;
}

void InstallerTest::StartAsOnAFirstStart() {
    HWND window = reader.Start(true);
    ASSERT_TRUE(window);
    EXPECT_EQ(ItemText(window, IDC_VERSE), TodaysVerse(folder + "quillmere.pdb"));
    EXPECT_EQ(reader.Leave(), 0);

    EXPECT_TRUE(fs::exists(folder + "settings.dat"));
    EXPECT_TRUE(WaitUntil([] { return SchedulerProcess() != 0; }, installerDeadline)) << "no scheduler is waiting";
    std::string target, description;
    EXPECT_TRUE(ReadShortcut(StartupLink(CSIDL_COMMON_STARTUP), target, description) ||
                ReadShortcut(StartupLink(CSIDL_STARTUP), target, description));
    EXPECT_TRUE(SameFile(target, folder + "Quillwake.exe")) << target;
}

void InstallerTest::UpgradeKeepsSettingsBooksAndTheDailyStart() {
    fs::copy_file(folder + "quillmere.pdb", folder + userBook);
    // A shipped book as an older version may have shipped it.
    const std::string shippedBook = folder + PlanBooks().front(), shipped = TempFolder::Read(shippedBook);
    std::ofstream(shippedBook, std::ios::binary) << "an older version's book";
    const std::string settings = TempFolder::Read(folder + "settings.dat");
    const DWORD scheduler = SchedulerProcess();
    ASSERT_NE(scheduler, 0u);

    ASSERT_EQ(RunSetup(), 0);
    EXPECT_EQ(TempFolder::Read(folder + "settings.dat"), settings);
    EXPECT_TRUE(fs::exists(folder + userBook));
    EXPECT_EQ(TempFolder::Read(shippedBook), shipped) << "the upgrade kept a shipped book of before";
    EXPECT_TRUE(
        WaitUntil([&] { return SchedulerProcess() != 0 && SchedulerProcess() != scheduler; }, installerDeadline))
        << "the upgrade did not start the new scheduler";
}

void InstallerTest::SetupTurnedAwayWhileTheReaderIsOpen() {
    HWND window = reader.Start(false);
    ASSERT_TRUE(window);
    const auto before = FolderContents(folder);

    EXPECT_EQ(RunSetup(), 2);
    EXPECT_TRUE(FolderContents(folder) == before) << "the setup changed the folder while the reader was open";
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(reader.process().Running());

    // The uninstaller runs on from a copy of itself, so what it would take away is watched.
    ASSERT_EQ(RunAndWait(folder + "Uninstall.exe", "/S"), 0);
    EXPECT_TRUE(NeverHolds([&] { return !UninstallEntryThere() || FolderContents(folder) != before; }))
        << "the uninstaller took something away while the reader was open";
    EXPECT_TRUE(reader.process().Running());
    EXPECT_EQ(reader.Leave(), 0); // arms the scheduler again, for the uninstaller to stop
    EXPECT_TRUE(WaitUntil([] { return SchedulerProcess() != 0; }, installerDeadline));
}

void InstallerTest::UninstallSilently() {
    // The uninstaller runs on from a copy of itself, so its work is waited for.
    ASSERT_EQ(RunAndWait(folder + "Uninstall.exe", "/S"), 0);
    const std::set<std::string> userBookOnly = {userBook};
    EXPECT_TRUE(WaitUntil([&] { return !UninstallEntryThere() && FileNames(folder) == userBookOnly; }, 60000))
        << FileNames(folder).size() << " files left; running: " << RunningPrograms();
    EXPECT_FALSE(UninstallEntryThere());
    EXPECT_TRUE(WaitUntil([] { return !QuillmereRunning(); }, installerDeadline)) << "a Quillmere program still runs";
    for (int folderId : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP})
        EXPECT_FALSE(fs::exists(StartupLink(folderId))) << StartupLink(folderId);
    EXPECT_FALSE(fs::exists(SpecialFolder(CSIDL_PROGRAMS) + "Quillmere.lnk"));
}

} // namespace

TEST_F(InstallerTest, InstallUseUpgradeAndRemove) {
    InstallSilently();
    ASSERT_FALSE(HasFatalFailure());
    StartAsOnAFirstStart();
    ASSERT_FALSE(HasFatalFailure());
    UpgradeKeepsSettingsBooksAndTheDailyStart();
    ASSERT_FALSE(HasFatalFailure());
    SetupTurnedAwayWhileTheReaderIsOpen();
    ASSERT_FALSE(HasFatalFailure());
    UninstallSilently();
}

// An upgrade from another version, whose reader has another caption: refused while that reader is
// open, then made in place, keeping the settings and the daily start.
TEST_F(InstallerTest, AnUpgradeFromAnotherVersionWaitsUntilItsReaderIsClosed) {
    ASSERT_EQ(RunAndWait(QUILLMERE_OTHER_SETUP, "/S"), 0);
    EXPECT_EQ(RegistryText("DisplayVersion"), QUILLMERE_OTHER_VERSION);
    Reader other{folder, "Quillmere " QUILLMERE_OTHER_VERSION};
    ASSERT_TRUE(other.Start(true));
    EXPECT_EQ(other.Leave(), 0);
    ASSERT_TRUE(fs::exists(folder + "sched.dat")) << "the daily start is not armed";
    ASSERT_TRUE(other.Start(false));
    const std::string settings = TempFolder::Read(folder + "settings.dat");
    const auto before = FolderContents(folder);

    EXPECT_EQ(RunSetup(), 2);
    EXPECT_TRUE(FolderContents(folder) == before) << "the setup changed the folder while the reader was open";
    EXPECT_EQ(RegistryText("DisplayVersion"), QUILLMERE_OTHER_VERSION);
    EXPECT_TRUE(other.process().Running());

    EXPECT_EQ(other.Leave(IDCANCEL), 0);
    ASSERT_EQ(RunSetup(), 0);
    EXPECT_EQ(TempFolder::Read(folder + "settings.dat"), settings);
    EXPECT_EQ(RegistryText("DisplayVersion"), QUILLMERE_VERSION);
    EXPECT_TRUE(WaitUntil([] { return SchedulerProcess() != 0; }, installerDeadline)) << "the daily start is not armed";
    EXPECT_NE(TempFolder::Read(folder + "Quillview.exe"), before.at("Quillview.exe")) << "the reader was not replaced";
}

// On a Spanish Windows the setup speaks Spanish, and its silent run and its uninstaller, which show
// nothing, still install and take away everything, the Spanish guide with the rest.
TEST_F(InstallerTest, SpeaksSpanishWhereWindowsDoes) {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultUILanguage()), LANG_SPANISH) << "the prefix's display language";
    {
        Process setup;
        ASSERT_TRUE(setup.Start(QUILLMERE_SETUP, "", fs::current_path().string()));
        EXPECT_TRUE(WaitUntil([] { return WindowShown("Instalación de " QUILLMERE_CAPTION); }, installerDeadline))
            << VisibleWindows();
        // Left on its first page, the setup has changed nothing.
        ::TerminateProcess(setup.Handle(), 1);
        ASSERT_NE(setup.WaitForExit(installerDeadline), -1);
    }

    ASSERT_EQ(RunSetup(), 0);
    EXPECT_EQ(FileNames(folder), InstalledFiles());
    EXPECT_EQ(RegistryText("UninstallString"), "\"" + folder + "Uninstall.exe\"");

    ASSERT_EQ(RunAndWait(folder + "Uninstall.exe", "/S"), 0);
    EXPECT_TRUE(WaitUntil([&] { return !UninstallEntryThere() && !fs::exists(folder); }, 60000))
        << "left: " << (fs::exists(folder) ? FileNames(folder).size() : 0) << " files, the entry "
        << UninstallEntryThere();
    EXPECT_FALSE(fs::exists(SpecialFolder(CSIDL_PROGRAMS) + "Quillmere.lnk"));
}
