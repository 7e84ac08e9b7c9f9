// SPDX-License-Identifier: GPL-3.0-or-later
// The INI text of the store files, in the form QSettings writes and reads.
#include "common/inifile.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStringList>
#include <QStringView>

namespace toolcommon::inifile {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isHexDigit(char16_t ch) {
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

// A section or key name: ASCII letters, digits, '_', '-' and '.' stay, '/' becomes '\', any
// other character %XX (up to U+00FF) or %UXXXX.
void appendName(QByteArray& out, QStringView name) {
    for (const QChar c : name) {
        const char16_t ch = c.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
                   (ch >= u'0' && ch <= u'9') || ch == u'_' || ch == u'-' || ch == u'.') {
            out += static_cast<char>(ch);
        } else if (ch <= 0xff) {
            out += '%';
            out += kHexDigits[ch >> 4];
            out += kHexDigits[ch & 0xf];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(ch >> shift) & 0xf];
        }
    }
}

// The text QSettings keeps for one value that is not a list: text as it is ("@" doubled at
// its start, "@String(...)" around text holding a NUL), bytes, rectangles, sizes and points
// in their "@" forms, anything else as its data stream in "@Variant(...)".
QString valueText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return QStringLiteral("@Invalid()");
        case QMetaType::QByteArray:
            return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + u')';
        case QMetaType::QString:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Bool:
        case QMetaType::Float:
        case QMetaType::Double:
        case QMetaType::QKeySequence: {
            QString text = value.toString();
            if (text.contains(QChar::Null)) return QStringLiteral("@String(") + text + u')';
            if (text.startsWith(u'@')) text.prepend(u'@');
            return text;
        }
        case QMetaType::QRect: {
            const QRect r = value.toRect();
            return QStringLiteral("@Rect(%1 %2 %3 %4)")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        }
        case QMetaType::QSize: {
            const QSize s = value.toSize();
            return QStringLiteral("@Size(%1 %2)").arg(s.width()).arg(s.height());
        }
        case QMetaType::QPoint: {
            const QPoint p = value.toPoint();
            return QStringLiteral("@Point(%1 %2)").arg(p.x()).arg(p.y());
        }
        default:
            break;
    }
    const bool dateTime = value.typeId() == QMetaType::QDateTime;
    QByteArray stream;
    {
        QDataStream out(&stream, QIODevice::WriteOnly);
        out.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        out << value;
    }
    return (dateTime ? QStringLiteral("@DateTime(") : QStringLiteral("@Variant(")) +
           QString::fromLatin1(stream) + u')';
}

// One text in its escaped form: control characters, quotes and backslashes escaped, the
// rest as UTF-8 (as Latin-1 with escapes in the byte and stream forms), in double quotes
// when it holds ',', ';' or '=' or starts or ends with a blank.
void appendText(QByteArray& out, const QString& text) {
    const qsizetype start = out.size();
    const bool utf8 = !(text.startsWith(u"@ByteArray(") || text.startsWith(u"@Variant(") ||
                        text.startsWith(u"@DateTime("));
    bool quoted = false;
    // After a "\x.." or "\0" escape a hexadecimal digit would be read as part of it.
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch == u';' || ch == u',' || ch == u'=') quoted = true;
        if (escapeHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (ch) {
            case u'\0':
                out += "\\0";
                escapeHexDigit = true;
                break;
            case u'\a':
                out += "\\a";
                break;
            case u'\b':
                out += "\\b";
                break;
            case u'\f':
                out += "\\f";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\v':
                out += "\\v";
                break;
            case u'"':
            case u'\\':
                out += '\\';
                out += static_cast<char>(ch);
                break;
            default:
                if (ch <= 0x1f || (ch >= 0x7f && !utf8)) {
                    out += "\\x" + QByteArray::number(ch, 16);
                    escapeHexDigit = true;
                } else if (ch < 0x80) {
                    out += static_cast<char>(ch);
                } else if (QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
                           text[i + 1].isLowSurrogate()) {
                    out += QStringView(text).sliced(i, 2).toUtf8();
                    ++i;
                } else {
                    out += QStringView(text).sliced(i, 1).toUtf8();
                }
        }
    }
    if (quoted || (start < out.size() && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// A value: a list of other than one item as its items separated by ", " (an empty list as
// "@Invalid()"), anything else as its text.
void appendValue(QByteArray& out, const QVariant& value) {
    const int type = value.typeId();
    if (type == QMetaType::QStringList ||
        (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        const QVariantList items = value.toList();
        if (items.isEmpty()) {
            out += "@Invalid()";
            return;
        }
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i != 0) out += ", ";
            appendText(out, valueText(items[i]));
        }
        return;
    }
    appendText(out, valueText(value));
}

}  // namespace

QByteArray format(const Entries& entries) {
    // Sections by name (the keys outside any section first), each with its keys by name.
    QMap<QString, QMap<QString, QVariant>> sections;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash < 0)
            sections[QString()].insert(it.key(), it.value());
        else
            sections[it.key().first(slash)].insert(it.key().sliced(slash + 1), it.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty()) out += '\n';
        QByteArray name;
        appendName(name, section.key());
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%General]";
        else
            out += '[' + name + ']';
        out += '\n';
        for (auto it = section->cbegin(); it != section->cend(); ++it) {
            appendName(out, it.key());
            out += '=';
            appendValue(out, it.value());
            out += '\n';
        }
    }
    return out;
}

std::optional<Entries> parse(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return std::nullopt;
    Entries entries;
    for (const QString& key : settings.allKeys()) entries.insert(key, settings.value(key));
    return entries;
}

}  // namespace toolcommon::inifile
