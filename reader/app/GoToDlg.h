#pragma once

#include "framework/core/CString.h"
#include "framework/win/CDialog.h"
#include "framework/win/MessageMap.h"
#include "reader/res/resource.h"

#include <functional>
#include <string>

// The small box that asks for a passage and goes to it. A reference that is not one, or that the
// book does not hold, is told in the box, which stays open for a correction.
class GoToDlg : public CDialog {
public:
    // Goes to the passage typed (UTF-8); what it says where it could not, empty where it went.
    using GoTo = std::function<CString(const std::string& reference)>;

    GoToDlg(CWnd* parent, GoTo goTo) : CDialog(IDD_GO_TO, parent), m_goTo(std::move(goTo)) {}

    void OnOK() override;

private:
    GoTo m_goTo;
};
