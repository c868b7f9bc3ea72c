#include "interchange/HtmlText.h"

#include <QHash>
#include <QRegularExpression>

namespace lexmint::htmltext {

namespace {

const QHash<QString, char32_t>& namedReferences()
{
    static const QHash<QString, char32_t> references{
        {QStringLiteral("amp"), U'&'},        {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},         {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},      {QStringLiteral("nbsp"), U' '},
        {QStringLiteral("shy"), U'\x00AD'},   {QStringLiteral("ndash"), U'\x2013'},
        {QStringLiteral("mdash"), U'\x2014'}, {QStringLiteral("hellip"), U'\x2026'},
        {QStringLiteral("laquo"), U'\x00AB'}, {QStringLiteral("raquo"), U'\x00BB'},
    };
    return references;
}

bool isCharacter(char32_t c)
{
    return c > 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// The character a reference such as "amp", "#233" or "#xE9" stands for; 0 when none.
char32_t referencedCharacter(const QString& name)
{
    if (!name.startsWith(u'#'))
        return namedReferences().value(name, 0);
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    bool ok = false;
    const uint value = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    return ok && isCharacter(value) ? char32_t(value) : 0;
}

QString decodeReferences(const QString& text)
{
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);"));
    QString decoded;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& match : reference.globalMatch(text)) {
        const char32_t c = referencedCharacter(match.captured(1));
        if (c == 0)
            continue;
        decoded += QStringView(text).sliced(last, match.capturedStart() - last);
        decoded += QString::fromUcs4(&c, 1);
        last = match.capturedEnd();
    }
    decoded += QStringView(text).sliced(last);
    return decoded;
}

} // namespace

bool looksLikeHtml(QStringView text)
{
    static const QRegularExpression markup(
        QStringLiteral("<(br|div|p|li|b|i|u|span|img|font)\\b[^>]*>|</"
                       "[a-zA-Z]+>|&(#[0-9]+|#[xX][0-9a-fA-F]+|nbsp|amp|lt|gt|quot);"),
        QRegularExpression::CaseInsensitiveOption);
    return markup.match(text).hasMatch();
}

QString toPlainText(const QString& html)
{
    static const QRegularExpression sourceBreak(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression blockBoundary(QStringLiteral("<(br|/?div|/?p|/?li)\\b[^>]*>"),
                                                  QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.replace(sourceBreak, QStringLiteral(" "));
    text.replace(blockBoundary, QStringLiteral("\n"));
    text.remove(tag);
    return decodeReferences(text);
}

} // namespace lexmint::htmltext
