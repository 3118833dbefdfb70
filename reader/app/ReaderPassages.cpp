#include "reader/app/ReaderDlg.h"

#include "reader/app/FindDlg.h"
#include "reader/app/GoToDlg.h"
#include "reader/book/VerseNumbers.h"
#include "reader/logic/MatchSteps.h"
#include "reader/logic/RecordDate.h"

#include "framework/win/Resources.h"

std::vector<std::string> ReaderDlg::DayTexts() {
    return m_book.GetRecordTexts(1, m_bookInfo.kind == BookKind::plan ? m_bookInfo.planDays : daysInCommonYear);
}

// The day is shown once the box has gone, when the window is active again and its focus its own.
void ReaderDlg::OnGoTo() {
    std::vector<std::string> texts;
    std::optional<PassagePlace> place;
    GoToDlg dialog(this, [&](const std::string& reference) { return FindPassageOf(reference, texts, place); });
    if (dialog.DoModal() != IDOK || !place) return;
    const std::string& text = texts[place->record - 1];
    if (m_settings.m_look.verseNumbers) {
        ShowRecordPart(place->record, text, place->start, place->length, true);
        return;
    }
    const int start = UnitWithoutVerseNumbers(text, place->start);
    const int end = UnitWithoutVerseNumbers(text, place->start + place->length);
    ShowRecordPart(place->record, WithoutVerseNumbers(text), start, end - start, true);
}

CString ReaderDlg::FindPassageOf(const std::string& reference, std::vector<std::string>& texts,
                                 std::optional<PassagePlace>& place) {
    const std::optional<PassageReference> passage = ReadPassageReference(reference);
    if (!passage) return LoadStringResource(IDS_NOT_A_PASSAGE);
    texts = DayTexts();
    place = FindPassage(texts, *passage);
    if (!place) return LoadStringResource(NamesPassages(texts) ? IDS_PASSAGE_NOT_IN_BOOK : IDS_NO_PASSAGES);
    return CString();
}

void ReaderDlg::OnFind() {
    FindDlg dialog(
        this, [this](const std::string& words, bool parts) { return FindRows(words, parts); }, m_findWords,
        m_findParts);
    const bool chosen = dialog.DoModal() == IDOK;
    m_findWords = dialog.Words();
    m_findParts = dialog.Parts();
    if (chosen) ShowMatch(dialog.Chosen(), 0);
}

// The words are found in the texts as they are shown, with their verse numbers or without.
std::vector<FindDlg::Row> ReaderDlg::FindRows(const std::string& words, bool parts) {
    m_foundTexts = DayTexts();
    if (!m_settings.m_look.verseNumbers)
        for (std::string& text : m_foundTexts)
            text = WithoutVerseNumbers(text);
    m_found = FindWords(m_foundTexts, SearchWords(words), !parts);
    m_foundAt = {-1, 0};
    std::vector<FindDlg::Row> rows;
    const Date start = Progress().start;
    for (const RecordFound& found : m_found) {
        const std::string& text = m_foundTexts[found.record - 1];
        const Date date = DateOfRecord(m_bookInfo.kind, found.record, start, SelectedDate().year);
        rows.push_back({LongDate(date), text.substr(0, text.find('\r')).c_str(), found.around.c_str()});
    }
    return rows;
}

// The next match, or with step -1 the one before, from the one shown last; the words to find are
// asked for first.
void ReaderDlg::ShowNextMatch(int step) {
    if (m_found.empty()) {
        OnFind();
        return;
    }
    std::vector<int> counts;
    for (const RecordFound& found : m_found)
        counts.push_back(static_cast<int>(found.matches.size()));
    const MatchPlace next = NextMatch(counts, m_foundAt, step);
    ShowMatch(next.day, next.match);
}

// The last search's matches, which another book or another look of the text leaves behind: F3
// asks for the words again.
void ReaderDlg::ForgetMatches() {
    m_found.clear();
    m_foundTexts.clear();
    m_foundAt = {-1, 0};
}

void ReaderDlg::ShowMatch(int day, int match) {
    if (day < 0 || day >= static_cast<int>(m_found.size())) return;
    m_foundAt = {day, match};
    const RecordFound& found = m_found[day];
    ShowRecordPart(found.record, m_foundTexts[found.record - 1], found.matches[match].start,
                   found.matches[match].length, false);
}

// Shows the day of record, whose text as shown is recordText, with its part from start for length selected
// (places within the record's text): on top of the verse box, or just in view.
void ReaderDlg::ShowRecordPart(int record, const std::string& recordText, int start, int length, bool onTop) {
    SelectDate(DateOfRecord(m_bookInfo.kind, record, Progress().start, SelectedDate().year));
    const int heading = ::GetWindowTextLengthW(m_verseBox.m_hWnd) - Wide(recordText).Length();
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_verseBox.m_hWnd), TRUE);
    // The caret at the part's start, so that the box keeping the caret in view keeps the start.
    m_verseBox.SendMessage(EM_SETSEL, heading + start + length, heading + start);
    if (onTop)
        m_verseBox.ScrollToTop(heading + start);
    else
        m_verseBox.SendMessage(EM_SCROLLCARET);
}
