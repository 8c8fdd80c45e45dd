#include "base/Text.h"
#include "codes/CodeTables.h"
#include "platform/ListScreen.h"

#include <QTest>

// The Trova walk shared by every list screen, on the state table and on small lists.
class TestFindNext : public QObject {
    Q_OBJECT
private slots:
    void walks_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("remembered"); // the key searched before, lower case
        QTest::addColumn<int>("selected");       // the entry selected before, -1 none
        QTest::addColumn<QStringList>("keys");   // typed, one Trova each
        QTest::addColumn<QList<int>>("selects"); // selection after each Trova
        const QStringList states = Codes::lines(Codes::Table::Stati);
        const QString curda = QStringLiteral("curda");
        // clang-format off
        QTest::newRow("curda walks and wraps") << states << QString() << -1 << QStringList(5, curda)
                                              << QList<int>{281, 282, 283, 284, 281};
        QTest::newRow("new key starts at the top") << states << QString() << -1
                                                   << QStringList{QStringLiteral("albania"), QStringLiteral("italia")}
                                                   << QList<int>{1, 0};
        QTest::newRow("remembered key walks round to the selection")
            << states << QStringLiteral("italia") << -1 << QStringList{QStringLiteral("italia")} << QList<int>{0};
        QTest::newRow("by code") << states << QString() << 5 << QStringList{QStringLiteral("100000215")} << QList<int>{9};
        QTest::newRow("case of A-Z folded") << states << QString() << -1
                                            << QStringList{QStringLiteral("Francia"), QStringLiteral("FRANCIA"),
                                                           // clang-format on
                                                           QStringLiteral("francia")}
                                            << QList<int>{9, 9, 9};
        // clang-format off
        QTest::newRow("separator matches every line")
            << states << QString() << -1 << QStringList(3, QStringLiteral(" - ")) << QList<int>{0, 1, 2};
        QTest::newRow("only match stays selected")
            << states << QString() << -1 << QStringList(3, QStringLiteral("kosovo")) << QList<int>{275, 275, 275};
        // clang-format on
        const QStringList small = {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Anna"),
                                   QStringLiteral("rossi Luca")};
        // clang-format off
        QTest::newRow("no match keeps the selection") << small << QString() << 1 << QStringList{QStringLiteral("verdi")}
                                                      << QList<int>{1};
        QTest::newRow("no match without selection selects the first")
            << small << QString() << -1 << QStringList{QStringLiteral("verdi")} << QList<int>{0};
        QTest::newRow("empty key matches nothing") << small << QString() << 2 << QStringList{QString()} << QList<int>{2};
        QTest::newRow("trailing blank is part of the key")
            << small << QString() << -1 << QStringList{QStringLiteral("anna ")} << QList<int>{0};
        QTest::newRow("accented letters are not folded")
            << QStringList{QStringLiteral("PERU'"), QStringLiteral("Città")} << QString() << -1
            << QStringList{QStringLiteral("CITTÀ")} << QList<int>{0};
        QTest::newRow("repeated key from a later selection wraps")
            << small << QStringLiteral("rossi") << 2 << QStringList{QStringLiteral("ROSSI")} << QList<int>{0};
        // clang-format on
    }
    void walks()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, remembered);
        QFETCH(int, selected);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, selects);
        QString key = remembered;
        QList<int> got;
        for (const QString &typed : keys) {
            selected = FindNext::next(lines, selected, typed, key);
            got.append(selected);
            QCOMPARE(key, Text::foldAZ(typed));
        }
        QCOMPARE(got, selects);
    }

    void emptyListSelectsNothing()
    {
        QString key;
        QCOMPARE(FindNext::next({}, -1, QStringLiteral("a"), key), -1);
    }
};

QTEST_GUILESS_MAIN(TestFindNext)
#include "tst_findnext.moc"
