#include "read/Conversions.h"

#include <cmath>
#include <cstdio>

namespace qx {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Collects the characters of the leading number, blanks removed.
QString leadingNumberChars(const QString& text) {
    QString out;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i])) ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < n && isDigit(text[i]); skipBlanks()) {
            out += text[i++];
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) out += text[i++];
    bool digits = takeDigits();
    if (i < n && text[i] == QLatin1Char('.')) {
        out += text[i++];
        digits = takeDigits() || digits;
    }
    if (!digits) return QString();
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        QString mantissa = out;
        int mark = i;
        out += QLatin1Char('e');
        ++i;
        skipBlanks();
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) out += text[i++];
        if (!takeDigits()) {  // "12e" is 12
            out = mantissa;
            i = mark;
        }
    }
    return out;
}

}  // namespace

double leadingValue(const QString& text) {
    const QString number = leadingNumberChars(text);
    if (number.isEmpty()) return 0;
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

std::optional<double> numberValue(const QString& text) {
    const QString t = trimmedText(text);
    if (t.isEmpty()) return std::nullopt;
    for (QChar c : t) {  // digits, sign, point and exponent only: no "inf", no "nan", no hex
        if (!isDigit(c) && !QStringLiteral("+-.eE").contains(c)) return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<qint64> wholeValue(const QString& text) {
    const std::optional<double> v = numberValue(text);
    if (!v || std::fabs(*v) > 9.0e18) return std::nullopt;
    return static_cast<qint64>(std::floor(*v));
}

QString numberText(qint64 value) {
    return QString::number(value);
}

QString numberText(double value) {
    if (std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    QString text = QString::fromLatin1(buffer);
    if (text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('E'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    if (text.startsWith(QLatin1String("0."))) text.remove(0, 1);
    if (text.startsWith(QLatin1String("-0."))) text.remove(1, 1);
    return text;
}

QString trimmedText(const QString& text) {
    int begin = 0;
    int end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(begin, end - begin);
}

}  // namespace qx
