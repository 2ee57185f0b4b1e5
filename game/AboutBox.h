#pragma once
// The about box: product texts, the web and mail links and the statistics
// reset, in a window of its own shown modally over the table.

#include <string>

#include "Controls.h"

class frmAbout {
public:
    frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    forms::Form form;
    forms::Label lblTitle, LblMoreInfo, lblRights, LblURL, LblMailto;
    forms::CommandButton ResetStatistics, cmdOK;
    forms::Image picIcon;
    forms::Line Line1[2];

    void Form_Load();
    void cmdOK_Click();
    void LblMailto_Click();
    void LblURL_Click();
    void ResetStatistics_Click();

private:
    void placeControls();
    void connectHandlers();
};

// Shows the about box modally; returns when it is closed.
void ShowAboutBox();

// The web page's query from the referral file in the installation folder:
// "?p=230&u=..&t=..", the default "?p=230&u=1&t=1" when the file is missing
// or has fewer than two lines. The two values are percent-encoded.
std::string ReferralQuery(const std::string& installPath);
// The link the web label opens, and the one the mail label opens.
std::string WebLinkTarget(const std::string& installPath);
std::string MailLinkTarget();
