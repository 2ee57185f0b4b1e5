#include "AboutBox.h"

#include <QByteArray>
#include <QPainter>
#include <QPainterPath>

#include <memory>

#include "Localisation.h"
#include "Main.h"
#include "ProductAddresses.h"
#include "Registry.h"
#include "TextInput.h"

namespace {

constexpr forms::Rgb LinkBlue = forms::RGB(0, 0, 255);
constexpr forms::Rgb DialogGrey = forms::RGB(236, 233, 216);
constexpr forms::Rgb Black = forms::RGB(0, 0, 0);
constexpr int ShowHidden = 0;
constexpr int ShowMaximised = 3;

// Byte by byte, so a referral value that is not UTF-8 keeps its bytes.
std::string percentEncoded(const std::string& text) {
    return QByteArray::fromStdString(text).toPercentEncoding().toStdString();
}

// The product picture: two trump cards fanned on the green table cloth.
std::shared_ptr<const QImage> productPicture() {
    auto img = std::make_shared<QImage>(78, 106, QImage::Format_RGB32);
    img->fill(QColor(0, 128, 0));
    QPainter p(img.get());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(218, 165, 32), 3));
    p.drawRect(QRectF(1.5, 1.5, 75, 103));
    const auto card = [&p](double angle, double dx) {
        p.save();
        p.translate(39 + dx, 60);
        p.rotate(angle);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-18, -26, 36, 52), 4, 4);
        p.restore();
    };
    card(-14, -7);
    card(10, 7);
    // A red diamond on the front card, and a gold band for the name.
    p.save();
    p.translate(46, 60);
    p.rotate(10);
    QPainterPath diamond;
    diamond.moveTo(0, -13);
    diamond.lineTo(9, 0);
    diamond.lineTo(0, 13);
    diamond.lineTo(-9, 0);
    diamond.closeSubpath();
    p.fillPath(diamond, QColor(200, 0, 0));
    p.restore();
    p.fillRect(QRectF(6, 8, 66, 14), QColor(218, 165, 32));
    p.setPen(QColor(0, 64, 0));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(6, 8, 66, 14), Qt::AlignCenter, QStringLiteral("LUMRA"));
    p.end();
    return img;
}

void label(forms::Label& l, const char* name, int left, int top, int width, int height, forms::Rgb fore) {
    l.Name = name;
    l.Move(left, top, width, height);
    l.ForeColor = fore;
    l.BackOpaque = false;
    l.FontBold = false;
    l.FontPointSize = 9;
}

void button(forms::CommandButton& b, const char* name, int left, int top, int width, int height) {
    b.Name = name;
    b.Move(left, top, width, height);
}

void line(forms::Line& l, int index, int y) {
    l.Name = "Line1";
    l.Index = index;
    l.X1 = 240;
    l.X2 = 5460;
    l.Y1 = l.Y2 = y;
    l.Move(240, y, 5220, 15);
    l.BorderColor = forms::RGB(128, 128, 128);
}

}  // namespace

frmAbout::frmAbout() {
    placeControls();
    connectHandlers();
}

void frmAbout::placeControls() {
    form.ClientWidth = 5700;
    form.ClientHeight = 4500;
    form.BackColor = DialogGrey;
    picIcon.Name = "picIcon";
    picIcon.Move(240, 240, 78 * forms::TwipsPerPixel, 106 * forms::TwipsPerPixel);
    picIcon.Picture = productPicture();
    label(lblTitle, "lblTitle", 1680, 240, 3780, 375, Black);
    lblTitle.FontBold = true;
    lblTitle.FontPointSize = 12;
    // Tall enough for the Swedish text: five wrapped lines, a gap and the address.
    label(LblMoreInfo, "LblMoreInfo", 1680, 720, 3780, 1695, Black);
    line(Line1[0], 0, 2520);
    label(lblRights, "lblRights", 240, 2640, 5220, 255, Black);
    label(LblURL, "LblURL", 240, 3000, 5220, 255, LinkBlue);
    label(LblMailto, "LblMailto", 240, 3300, 5220, 255, LinkBlue);
    line(Line1[1], 1, 3660);
    button(ResetStatistics, "ResetStatistics", 240, 3840, 2175, 435);
    button(cmdOK, "cmdOK", 4080, 3840, 1380, 435);
    cmdOK.Caption = "OK";
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &picIcon, &lblTitle, &LblMoreInfo, &Line1[0], &lblRights, &LblURL, &LblMailto, &Line1[1],
             &ResetStatistics, &cmdOK})
        form.Add(*c);
}

void frmAbout::connectHandlers() {
    cmdOK.Click = [this] { cmdOK_Click(); };
    LblMailto.Click = [this] { LblMailto_Click(); };
    LblURL.Click = [this] { LblURL_Click(); };
    ResetStatistics.Click = [this] { ResetStatistics_Click(); };
}

void frmAbout::Form_Load() {
    lblTitle.Caption = ProductNameAndVersion;
    form.Caption = AboutTitleText();
    LblMoreInfo.Caption = AboutInfoText();
    lblRights.Caption = RightsLineText();
    ResetStatistics.Caption = ResetStatisticsText();
    LblURL.Caption = ProductWebAddress;
    LblMailto.Caption = std::string("mailto: ") + SupportMailAddress;
}

void frmAbout::cmdOK_Click() { form.RequestClose(); }

void frmAbout::LblMailto_Click() {
    if (Main* m = Main::instance()) m->dialogs.OpenLink(MailLinkTarget(), ShowHidden);
}

void frmAbout::LblURL_Click() {
    if (Main* m = Main::instance()) m->dialogs.OpenLink(WebLinkTarget(m->gbInstallPath), ShowMaximised);
}

void frmAbout::ResetStatistics_Click() {
    Main* m = Main::instance();
    if (!m) return;
    const int answer = m->MsgBox(AreYouSureText, forms::mb::YesNo | forms::mb::Critical, ResetStatisticsText());
    if (answer != forms::mb::Yes) return;
    SaveRegistryValue("user", "Statistic", "TotalVi", "0");
    SaveRegistryValue("user", "Statistic", "TotalDe", "0");
    m->LblStatisticVi.Caption = "0";
    m->LblStatisticDe.Caption = "0";
}

void ShowAboutBox() {
    Main* m = Main::instance();
    if (!m) return;
    frmAbout box;
    box.Form_Load();
    m->dialogs.ShowModal(box.form);
}

std::string ReferralQuery(const std::string& installPath) {
    const std::string defaultQuery = std::string("?p=") + ProductVersionCode + "&u=1&t=1";
    // The file is read whole and closed at once, so no path leaves it open.
    TextInput in;
    // Two lines are wanted, empty ones too; fewer give the default.
    if (!in.Open(installPath + "Referal.txt")) return defaultQuery;
    const std::string u = in.LineInput();
    if (in.Eof()) return defaultQuery;
    const std::string t = in.LineInput();
    return std::string("?p=") + ProductVersionCode + "&u=" + percentEncoded(u) + "&t=" + percentEncoded(t);
}

std::string WebLinkTarget(const std::string& installPath) { return ProductWebAddress + ReferralQuery(installPath); }

std::string MailLinkTarget() {
    return std::string("mailto:") + SupportMailAddress + "?subject=" + percentEncoded(ProductNameAndVersion) +
           "&body=" + percentEncoded(std::string("RE: ") + ProductNameAndVersion);
}
