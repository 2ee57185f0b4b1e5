#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "AboutBox.h"
#include "AboutBoxFit.h"
#include "Localisation.h"
#include "Main.h"
#include "ProductAddresses.h"
#include "Registry.h"
#include "TestTable.h"

namespace {

const std::string WebPage = "https://www.lumraquest.example/";
const std::string MailLink =
    "mailto:support@lumraquest.example?subject=Lumra%20Quest%202.3&body=RE%3A%20Lumra%20Quest%202.3";

int openFileCount() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

class AboutBox : public ::testing::Test {
protected:
    TestTable t;
    Main& m = t.m();
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        m.gbInstallPath = folder.path().toStdString() + "/";
    }

    void writeReferral(const std::string& bytes) {
        std::ofstream(m.gbInstallPath + "Referal.txt", std::ios::binary) << bytes;
    }

    template <class T>
    static T& control(forms::Form& f, const std::string& name) {
        for (forms::Control* c : f.Controls())
            if (c->Name == name)
                if (T* typed = dynamic_cast<T*>(c)) return *typed;
        ADD_FAILURE() << "no control " << name;
        throw std::runtime_error("no control " + name);
    }
    // A click in the middle of a control, as the player makes it.
    static void clickOn(forms::Form& f, const std::string& name) {
        const forms::Control& c = control<forms::Control>(f, name);
        f.ClickAt(c.PixelLeft() + c.PixelWidth() / 2, c.PixelTop() + c.PixelHeight() / 2);
    }

    // Opens the about box and acts in it while it is shown.
    void withAboutBox(const std::function<void(forms::Form&)>& act) {
        bool shown = false;
        t.dialogs.onShowModal = [&](forms::Form& f) {
            shown = true;
            act(f);
        };
        ShowAboutBox();
        EXPECT_TRUE(shown);
        t.dialogs.onShowModal = nullptr;
    }
};

TEST_F(AboutBox, ShowsItsTextsWhenLoaded) {
    withAboutBox([&](forms::Form& f) {
        EXPECT_EQ(f.Caption, AboutTitleText());
        EXPECT_EQ(control<forms::Label>(f, "lblTitle").Caption, "Lumra Quest 2.3");
        EXPECT_EQ(control<forms::Label>(f, "LblMoreInfo").Caption, AboutInfoText());
        EXPECT_EQ(control<forms::Label>(f, "lblRights").Caption, RightsLineText());
        EXPECT_EQ(control<forms::CommandButton>(f, "ResetStatistics").Caption, ResetStatisticsText());
        EXPECT_EQ(control<forms::CommandButton>(f, "cmdOK").Caption, "OK");
        const auto& url = control<forms::Label>(f, "LblURL");
        const auto& mail = control<forms::Label>(f, "LblMailto");
        EXPECT_EQ(url.Caption, WebPage);
        EXPECT_EQ(mail.Caption, "mailto: support@lumraquest.example");
        EXPECT_EQ(url.ForeColor, forms::RGB(0, 0, 255));
        EXPECT_EQ(mail.ForeColor, forms::RGB(0, 0, 255));
        const auto& pic = control<forms::Image>(f, "picIcon");
        ASSERT_TRUE(pic.Picture);
        EXPECT_EQ(pic.Picture->size(), QSize(78, 106));
    });
    EXPECT_EQ(t.dialogs.CountOf("ShowModal"), 1);
}

TEST_F(AboutBox, OkAsksTheWindowToClose) {
    int closes = 0;
    withAboutBox([&](forms::Form& f) {
        f.OnCloseRequest = [&] { ++closes; };
        clickOn(f, "cmdOK");
    });
    EXPECT_EQ(closes, 1);
}

TEST_F(AboutBox, TheLinksOpenTheWebPageMaximisedAndAValidMailLink) {
    writeReferral("17\r\nx\r\n");
    withAboutBox([&](forms::Form& f) {
        clickOn(f, "LblURL");
        clickOn(f, "LblMailto");
    });
    ASSERT_EQ(t.dialogs.openedLinks.size(), 2u);
    EXPECT_EQ(t.dialogs.openedLinks[0], WebPage + "?p=230&u=17&t=x");
    EXPECT_EQ(t.dialogs.openedLinks[1], MailLink);
    std::vector<int> modes;
    for (const auto& s : t.dialogs.shown)
        if (s.kind == "OpenLink") modes.push_back(s.style);
    EXPECT_EQ(modes, (std::vector<int>{3, 0}));
}

TEST_F(AboutBox, TheReferralFileGivesTheQueryOrTheDefault) {
    struct Case {
        const char* name;
        std::optional<std::string> file;  // nullopt: no file
        std::string query;
    };
    const Case cases[] = {
        {"two lines", "17\nx\n", "?p=230&u=17&t=x"},
        {"CR LF", "17\r\nx\r\n", "?p=230&u=17&t=x"},
        {"no final line end", "17\nx", "?p=230&u=17&t=x"},
        {"more lines", "17\nx\nmore\n", "?p=230&u=17&t=x"},
        {"an empty second line", "17\n\n", "?p=230&u=17&t="},
        {"an empty second line, CR LF", "17\r\n\r\n", "?p=230&u=17&t="},
        {"an empty first line", "\nx\n", "?p=230&u=&t=x"},
        {"two empty lines", "\n\n", "?p=230&u=&t="},
        {"one empty line", "\n", "?p=230&u=1&t=1"},
        {"one line", "17\n", "?p=230&u=1&t=1"},
        {"one line without its end", "17", "?p=230&u=1&t=1"},
        {"empty", "", "?p=230&u=1&t=1"},
        {"missing", std::nullopt, "?p=230&u=1&t=1"},
        {"characters needing encoding", "a b&c=d\n#\xc3\xa9/?\n", "?p=230&u=a%20b%26c%3Dd&t=%23%C3%A9%2F%3F"},
        {"shell words", "x\"; rm -rf ~ #\n$(id)|`id`\n", "?p=230&u=x%22%3B%20rm%20-rf%20~%20%23&t=%24%28id%29%7C%60id%60"},
        {"bytes that are not UTF-8", "caf\xe9\n\xff\n", "?p=230&u=caf%E9&t=%FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m.gbInstallPath + "Referal.txt");
        if (c.file) writeReferral(*c.file);
        EXPECT_EQ(ReferralQuery(m.gbInstallPath), c.query);
        EXPECT_EQ(WebLinkTarget(m.gbInstallPath), WebPage + c.query);
    }
}

TEST_F(AboutBox, BothLinksAreValidUrlsThatReadBackAsWritten) {
    writeReferral("a b&t=9#x\n?&%\xc3\xa9\n");
    const QUrl web(QString::fromStdString(WebLinkTarget(m.gbInstallPath)), QUrl::StrictMode);
    ASSERT_TRUE(web.isValid()) << web.errorString().toStdString();
    EXPECT_EQ(web.scheme(), "https");
    EXPECT_EQ(web.host(), "www.lumraquest.example");
    EXPECT_TRUE(web.fragment().isNull());
    const QUrlQuery query(web);
    EXPECT_EQ(query.queryItems(QUrl::FullyDecoded),
              (QList<QPair<QString, QString>>{{"p", "230"}, {"u", "a b&t=9#x"}, {"t", "?&%\u00e9"}}));

    const QUrl mail(QString::fromStdString(MailLinkTarget()), QUrl::StrictMode);
    ASSERT_TRUE(mail.isValid()) << mail.errorString().toStdString();
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "support@lumraquest.example");
    const QUrlQuery mailQuery(mail);
    EXPECT_EQ(mailQuery.queryItemValue("subject", QUrl::FullyDecoded), "Lumra Quest 2.3");
    EXPECT_EQ(mailQuery.queryItemValue("body", QUrl::FullyDecoded), "RE: Lumra Quest 2.3");
}

TEST_F(AboutBox, EveryTextFitsItsControl) {
    withAboutBox([&](forms::Form& f) { ExpectAboutTextsFit(f); });
}

TEST_F(AboutBox, TheReferralFileIsClosedOnEveryPath) {
    // A short file first: the default query, and the file is not held open,
    // so a later click reads the file as it then is.
    writeReferral("17\n");
    const int before = openFileCount();
    withAboutBox([&](forms::Form& f) {
        clickOn(f, "LblURL");
        EXPECT_EQ(openFileCount(), before);
        writeReferral("42\nmail\n");
        clickOn(f, "LblURL");
        EXPECT_EQ(openFileCount(), before);
        std::filesystem::remove(m.gbInstallPath + "Referal.txt");
        clickOn(f, "LblURL");
        EXPECT_EQ(openFileCount(), before);
    });
    EXPECT_EQ(t.dialogs.openedLinks,
              (std::vector<std::string>{WebPage + "?p=230&u=1&t=1", WebPage + "?p=230&u=42&t=mail",
                                        WebPage + "?p=230&u=1&t=1"}));
}

TEST_F(AboutBox, ResetAsksFirstAndOnlyYesClearsTheStatistics) {
    struct Case {
        int answer;
        std::string vi, de;  // stored and shown afterwards
    };
    for (const Case& c : {Case{forms::mb::No, " 3", " 5"}, Case{forms::mb::Yes, "0", "0"}}) {
        SCOPED_TRACE(c.answer == forms::mb::Yes ? "Yes" : "No");
        SaveRegistryValue("user", "Statistic", "TotalVi", " 3");
        SaveRegistryValue("user", "Statistic", "TotalDe", " 5");
        m.LblStatisticVi.Caption = " 3";
        m.LblStatisticDe.Caption = " 5";
        t.dialogs.shown.clear();
        t.dialogs.msgBoxAnswers = {c.answer};
        withAboutBox([&](forms::Form& f) { clickOn(f, "ResetStatistics"); });
        ASSERT_EQ(t.dialogs.CountOf("MsgBox"), 1);
        const auto& asked = t.dialogs.shown[1];
        EXPECT_EQ(asked.kind, "MsgBox");
        EXPECT_EQ(asked.prompt, AreYouSureText);
        EXPECT_EQ(asked.style, forms::mb::YesNo | forms::mb::Critical);
        if (!ResetStatisticsText().empty()) {
            EXPECT_EQ(asked.title, ResetStatisticsText());
        }
        EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalVi", "none"), c.vi);
        EXPECT_EQ(GetRegistryValue("user", "Statistic", "TotalDe", "none"), c.de);
        EXPECT_EQ(m.LblStatisticVi.Caption, c.vi);
        EXPECT_EQ(m.LblStatisticDe.Caption, c.de);
    }
}

TEST_F(AboutBox, TheShippedReferralFileHasTwoLines) {
    const std::string shipped = DefaultInstallFolder();
    ASSERT_TRUE(std::filesystem::exists(shipped + "Referal.txt"));
    const std::string query = ReferralQuery(shipped);
    EXPECT_NE(query, "?p=230&u=1&t=1");
    EXPECT_EQ(query.rfind("?p=230&u=", 0), 0u);
}

}  // namespace
