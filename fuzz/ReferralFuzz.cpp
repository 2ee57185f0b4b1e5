// libFuzzer entry for the referral file of the about box (built with clang
// only). The input is "Referal.txt". Whatever it holds, the web link is the
// product's address with a query of the two referral values, each encoded
// so the link stays one piece, and each decoding to text of the file.
#include <QByteArray>

#include <cctype>
#include <cstdint>
#include <string>

#include "AboutBox.h"
#include "FuzzTable.h"
#include "ProductAddresses.h"

namespace {
FuzzTable* fuzz = nullptr;

bool isEncoded(const std::string& value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') continue;
        if (c != '%' || i + 2 >= value.size() || !std::isxdigit(static_cast<unsigned char>(value[i + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(value[i + 2])))
            return false;
        i += 2;
    }
    return true;
}

std::string decoded(const std::string& value) {
    return QByteArray::fromPercentEncoding(QByteArray::fromStdString(value)).toStdString();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz = StartFuzzTable(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz->write("Referal.txt", text);

    const std::string query = ReferralQuery(fuzz->folder);
    const std::string head = std::string("?p=") + ProductVersionCode + "&u=";
    FUZZ_CHECK(query.compare(0, head.size(), head) == 0);
    const std::size_t t = query.find("&t=");
    FUZZ_CHECK(t != std::string::npos);
    const std::string u = query.substr(head.size(), t - head.size());
    const std::string tag = query.substr(t + 3);
    FUZZ_CHECK(isEncoded(u) && isEncoded(tag));
    if (query != head + "1&t=1") {
        // The values are lines of the file, not text made up.
        const std::string du = decoded(u), dt = decoded(tag);
        FUZZ_CHECK(du.find_first_of("\r\n") == std::string::npos && dt.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(text.find(du) != std::string::npos && text.find(dt) != std::string::npos);
    }
    FUZZ_CHECK(WebLinkTarget(fuzz->folder) == ProductWebAddress + query);
    FUZZ_CHECK(FuzzTable::read(fuzz->folder + "Referal.txt") == text);
    FUZZ_CHECK(fuzz->onlyFiles({"Referal.txt"}));
    FUZZ_CHECK(fuzz->table.dialogs.shown.empty());
    return 0;
}
