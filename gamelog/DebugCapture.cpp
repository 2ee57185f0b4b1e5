#include "DebugCapture.h"

#include <QFile>
#include <QString>

#include <cstring>
#include <memory>
#include <optional>

#include "LogLines.h"
#include "Main.h"
#include "Registry.h"
#include "VbText.h"
#include "WindowCapture.h"

namespace {

constexpr int kCounterLimit = 32767;
constexpr std::size_t kWordLimit = 64;  // bytes, so the names stay well within a file name's length

QString pathIn(const std::string& folder, const std::string& name) { return QString::fromStdString(folder + name); }

bool captureNumberTaken(const std::string& folder, int n, const std::string& attribute) {
    return QFile::exists(pathIn(folder, DebugLogCopyName(n, attribute))) ||
           QFile::exists(pathIn(folder, DebugScreenshotName(n, attribute)));
}

// The first number from n on whose files do not exist yet, so that a
// counter that could not be stored never makes a capture overwrite another.
std::optional<int> freeCaptureNumber(const std::string& folder, int n, const std::string& attribute) {
    for (int tries = 0; tries <= kCounterLimit; ++tries) {
        if (!captureNumberTaken(folder, n, attribute)) return n;
        n = n >= kCounterLimit ? 0 : n + 1;
    }
    return std::nullopt;
}

int counterFrom(const std::string& stored) {
    const std::string t = Trim(stored);
    if (t.empty() || t.size() > 5 || t.find_first_not_of("0123456789") != std::string::npos) return 0;
    const int n = std::stoi(t);
    return n > kCounterLimit ? 0 : n;
}

// Takes the capture's number and stores the one after it in one step, so
// that two copies of the game capturing at once get numbers of their own.
std::optional<int> takeCaptureNumber(const std::string& folder, const std::string& attribute) {
    std::optional<int> n;
    auto takeNext = [&](const std::string& stored) -> std::optional<std::string> {
        n = freeCaptureNumber(folder, counterFrom(stored), attribute);
        if (!n) return std::nullopt;
        return StrNum(*n >= kCounterLimit ? 0 : *n + 1);
    };
    ChangeRegistryValue("local", "Statistic", "Debug", "0", takeNext);
    return n;
}

std::string withoutLineBreaks(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

void logDebugBanner(Main& m, const std::string& comment) {
    const std::string stars = RepeatChar('*', 60);
    m.Log(stars);
    m.Log("***************** DEBUG ************************************");
    m.Log(stars);
    m.Log(withoutLineBreaks(comment));
    for (int i = 0; i < 3; ++i) m.Log(stars);
}

}  // namespace

std::string SafeFileNameWord(const std::string& typed) {
    std::string out;
    for (const char ch : typed) {
        const auto c = static_cast<unsigned char>(ch);
        const bool bad = c < 0x20 || c == 0x7F || std::strchr("/\\:*?\"<>|", ch) != nullptr;
        out += bad ? '_' : ch;
    }
    for (std::size_t p = out.find(".."); p != std::string::npos; p = out.find(".."))
        out.replace(p, 2, "_");
    if (out.size() > kWordLimit) {
        std::size_t cut = kWordLimit;
        // Never split a multi-byte character.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
    }
    return out;
}

std::string DebugLogCopyName(int n, const std::string& attribute) {
    return "LumraLOG_" + PlainNum(n) + "_" + attribute + ".txt";
}

std::string DebugScreenshotName(int n, const std::string& attribute) {
    return "LumraDEBUG_" + PlainNum(n) + "_" + attribute + ".bmp";
}

int StoredDebugCounter() { return counterFrom(GetRegistryValue("local", "Statistic", "Debug", "0")); }

void Main::BtnDebugMsg_Click() {
    const auto attribute = InputBox("GE EXTRA ATTRIBUT FÖR FILNAMN:", "DEBUG");
    DebugFileAttribute = SafeFileNameWord(attribute.value_or(""));
    const auto comment = InputBox("Ge kommentar för log-filen. Denna text skrivs in som kommentar i filen:", "DEBUG");
    logDebugBanner(*this, comment.value_or(""));
    form.RefreshNow();
    // The picture is taken now and kept here, not on the clipboard: the
    // capture saves the table as it was at the request, and whatever the
    // user copied stays where it is.
    DebugScreenshot = CaptureWindowImage(form);
    gbDEBUGCapture = true;
}

void Main::SaveDebugCapture() {
    gbDEBUGCapture = false;
    const std::string& folder = gbInstallPath;
    const auto n = takeCaptureNumber(folder, DebugFileAttribute);
    if (!n) return;
    const QString source = pathIn(folder, "Lumralog.txt");
    if (QFile::exists(source)) QFile::copy(source, pathIn(folder, DebugLogCopyName(*n, DebugFileAttribute)));
    if (!DebugScreenshot.isNull()) {
        ImgDebug.Picture = std::make_shared<const QImage>(DebugScreenshot);
        DebugScreenshot.save(pathIn(folder, DebugScreenshotName(*n, DebugFileAttribute)), "BMP");
        DebugScreenshot = QImage();
    }
}
