// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/mailto.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace zef {
namespace {

// What a mail program reads from the link: the recipient and each header
// field, split at the delimiters first and percent-decoded (UTF-8) after.
struct Message {
    QString to;
    QStringList fieldNames;
    QString subject;
    QString body;
};

Message readAsMailProgram(const QUrl& url) {
    const QByteArray encoded = url.toEncoded();
    EXPECT_TRUE(encoded.startsWith("mailto:")) << encoded.constData();
    EXPECT_FALSE(encoded.contains('#')) << encoded.constData();
    // The desktop hands the link to its launcher as one command-line word.
    for (char c : {' ', '"', '\''})
        EXPECT_FALSE(encoded.contains(c)) << encoded.constData();
    const QByteArray rest = encoded.mid(7);
    const qsizetype q = rest.indexOf('?');
    Message m;
    m.to = QUrl::fromPercentEncoding(rest.left(q));
    for (const QByteArray& field : rest.mid(q + 1).split('&')) {
        const qsizetype eq = field.indexOf('=');
        const QString name = QUrl::fromPercentEncoding(field.left(eq));
        const QString value = QUrl::fromPercentEncoding(field.mid(eq + 1));
        m.fieldNames << name;
        if (name == QStringLiteral("Subject"))
            m.subject = value;
        if (name == QStringLiteral("body"))
            m.body = value;
    }
    return m;
}

const QString kSubject = QStringLiteral("[Zefirant] Zgłoszenie ");
const QString kBody = QStringLiteral("Załącz do maila plik danych: ");

TEST(Mailto, TextJoinsThePartsAsGiven) {
    // The window upper-cases the callsign; the builder takes what it gets.
    EXPECT_EQ(mailtoText(QStringLiteral("zefirant@example.pl"), QStringLiteral("sp9abc"),
                         QStringLiteral("/home/jan/sp9abc.csv")),
              QStringLiteral("mailto:zefirant@example.pl?Subject=[Zefirant]%20Zgłoszenie sp9abc"
                             "&body=Załącz%20do%20maila plik danych: /home/jan/sp9abc.csv"));
    EXPECT_EQ(mailtoText({}, QStringLiteral("SP9ABC"), QStringLiteral("/d.csv")),
              QStringLiteral("mailto:?Subject=[Zefirant]%20Zgłoszenie SP9ABC"
                             "&body=Załącz%20do%20maila plik danych: /d.csv"));
}

TEST(Mailto, UrlCarriesTheSameMessageInUtf8) {
    const QUrl url = mailtoUrl(QStringLiteral("zefirant@example.pl"), QStringLiteral("SP9ABC"),
                               QStringLiteral("/home/łukasz/dane stacji.csv"));
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    const Message m = readAsMailProgram(url);
    EXPECT_EQ(m.to, QStringLiteral("zefirant@example.pl"));
    EXPECT_EQ(m.fieldNames, (QStringList{QStringLiteral("Subject"), QStringLiteral("body")}));
    EXPECT_EQ(m.subject, kSubject + QStringLiteral("SP9ABC"));
    EXPECT_EQ(m.body, kBody + QStringLiteral("/home/łukasz/dane stacji.csv"));
    // Polish letters go as UTF-8 octets, not as windows-1250 bytes.
    EXPECT_TRUE(url.toEncoded().contains("Zg%C5%82oszenie"));
    EXPECT_TRUE(url.toEncoded().contains("%C5%82ukasz"));
}

TEST(Mailto, UrlWithEmptyRecipientStillOpensAMessage) {
    const QUrl url = mailtoUrl({}, QStringLiteral("SP9ABC"), QStringLiteral("/d.csv"));
    ASSERT_TRUE(url.isValid());
    EXPECT_TRUE(url.toEncoded().startsWith("mailto:?Subject="));
    const Message m = readAsMailProgram(url);
    EXPECT_TRUE(m.to.isEmpty());
    EXPECT_EQ(m.subject, kSubject + QStringLiteral("SP9ABC"));
}

TEST(Mailto, SpecialCharactersCannotCutOrCorruptTheMessage) {
    const QString recipient = QStringLiteral("a&b?c#d@example.pl, x%20y@example.pl");
    const QString callsign = QStringLiteral("SP9#A?B&body=x%41 Z");
    const QString path = QStringLiteral("/tmp/a b&c=d#e?f%20g+h'i\"j.csv");
    const QUrl url = mailtoUrl(recipient, callsign, path);
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    const Message m = readAsMailProgram(url);
    EXPECT_EQ(m.to, recipient);
    EXPECT_EQ(m.fieldNames, (QStringList{QStringLiteral("Subject"), QStringLiteral("body")}));
    EXPECT_EQ(m.subject, kSubject + callsign);
    EXPECT_EQ(m.body, kBody + path);
    // Qt's own reading agrees: no fragment, one query.
    EXPECT_FALSE(url.hasFragment());
    EXPECT_EQ(url.path(QUrl::FullyDecoded), recipient);
}

} // namespace
} // namespace zef
