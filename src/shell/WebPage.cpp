#include "shell/WebPage.h"

#include <QStringList>
#include <algorithm>

#include "read/Conversions.h"
#include "shell/Form1.h"
#include "shell/Ipv4Address.h"

namespace qx {

namespace {

constexpr int kMaxLabelLength = 63;
constexpr int kMaxHostLength = 253;
constexpr int kMaxPort = 65535;

const char* const kRefusedAddress =
    "ホスト名か IPv4 アドレス（ポート番号は :8080 のように）だけを入力してください";
const char* const kNoBrowser = "ブラウザを開けませんでした";

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetterOrDigit(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || isAsciiDigit(c);
}

// Letters, digits and inner hyphens.
bool isHostLabel(const QString& label) {
    if (label.isEmpty() || label.size() > kMaxLabelLength) return false;
    if (label.front() == u'-' || label.back() == u'-') return false;
    for (const QChar c : label)
        if (!isAsciiLetterOrDigit(c) && c != u'-') return false;
    return true;
}

bool isDigitsAndDots(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return isAsciiDigit(c) || c == u'.'; });
}

bool isHost(const QString& host) {
    if (host.isEmpty() || host.size() > kMaxHostLength) return false;
    // Digits and dots name an IPv4 address or nothing ("192.168.1" is no host name).
    if (isDigitsAndDots(host)) return parseDottedIpv4(host).has_value();
    for (const QString& label : host.split(u'.'))
        if (!isHostLabel(label)) return false;
    return true;
}

bool isPort(const QString& text) {
    if (text.isEmpty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return false;
    const int port = text.toInt();
    return port >= 1 && port <= kMaxPort;
}

}  // namespace

std::optional<QString> controllerPageUrl(const QString& typed) {
    const QString address = trimmedText(typed);
    const QStringList parts = address.split(u':');
    if (parts.size() > 2 || !isHost(parts[0])) return std::nullopt;
    if (parts.size() == 2 && !isPort(parts[1])) return std::nullopt;
    return QStringLiteral("http://") + address;
}

void openControllerWebPage(Form1& form) {
    const QString field = QStringLiteral("Text13");
    const std::optional<QString> url = controllerPageUrl(form.controls().text(field));
    if (!url) {
        form.controls().setMark(field, QString::fromUtf8(kRefusedAddress));
        return;
    }
    const bool opened = form.platform().desktop.openUrl(*url);
    form.controls().setMark(field, opened ? QString() : QString::fromUtf8(kNoBrowser));
}

}  // namespace qx
