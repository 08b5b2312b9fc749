#pragma once

#include <QString>
#include <optional>

namespace qx {

class Form1;

// The controller's web page for a typed address: "http://" followed by the address without its
// surrounding blanks, when that is a host name or a dotted IPv4 address, either with an optional
// ":port". Nothing for any other text (blanks inside, quotes, a scheme, a path ...), so that no
// typed text ever reaches the browser as more than a host.
std::optional<QString> controllerPageUrl(const QString& typed);

// "WEB": opens that page of the address in Text13 in the user's default browser. An address that
// cannot be opened is marked on Text13 with the reason; nothing is opened then.
void openControllerWebPage(Form1& form);

}  // namespace qx
