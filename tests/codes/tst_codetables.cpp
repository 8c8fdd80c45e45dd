#include "codes/CodeTables.h"

#include <QSet>
#include <QTest>

using Codes::Table;

class TestCodeTables : public QObject {
    Q_OBJECT
private slots:
    void smallTablesShape_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("longest");
        // clang-format off
        QTest::newRow("guest types") << int(Table::Tipo) << 5 << 14;
        QTest::newRow("documents") << int(Table::Documenti) << 95 << 28;
        QTest::newRow("states") << int(Table::Stati) << 287 << 37;
        // clang-format on
    }
    void smallTablesShape()
    {
        QFETCH(int, table);
        QFETCH(int, rows);
        QFETCH(int, longest);
        const Table t = Table(table);
        const QStringList lines = Codes::lines(t);
        QCOMPARE(lines.size(), rows);
        const int width = Codes::codeWidth(t) + 5 + Codes::descriptionWidth(t);
        int widest = 0;
        QString previous;
        for (const QString &l : lines) {
            QCOMPARE(l.size(), width);
            QCOMPARE(l.mid(Codes::codeWidth(t), 5), QStringLiteral("  -  "));
            QVERIFY2(l.left(Codes::codeWidth(t)) > previous, qPrintable(l)); // ascending, no repeats
            previous = l.left(Codes::codeWidth(t));
            for (QChar c : l)
                QVERIFY(c.unicode() >= 32 && c.unicode() < 127);
            const QString desc = Codes::splitEntry(t, l).description;
            QCOMPARE(desc, desc.toUpper());
            widest = qMax(widest, int(desc.size()));
        }
        QCOMPARE(widest, longest);
    }

    void guestTypesInFull()
    {
        QCOMPARE(Codes::lines(Table::Tipo),
                 QStringList({QStringLiteral("16  -  OSPITE SINGOLO"), QStringLiteral("17  -  CAPOFAMIGLIA  "),
                              QStringLiteral("18  -  CAPOGRUPPO    "), QStringLiteral("19  -  FAMILIARE     "),
                              QStringLiteral("20  -  MEMBRO GRUPPO ")}));
    }

    void documentCodesInOrder()
    {
        const QStringList expected = {
            // clang-format off
        "ACMIL", "ACSOT", "ACUFF", "AMMIL", "AMSOT", "AMUFF", "CCMIL", "CCSOT", "CCUFF", "CERID",
        "CFMIL", "CFSOT", "CFUFF", "CIDIP", "DESIS", "EIMIL", "EISOT", "EIUFF", "GFMIL", "GFSOT",
        "GFTRI", "GFUFF", "IDELE", "IDENT", "MAGIS", "MMMIL", "MMSOT", "MMUFF", "PARLA", "PASDI",
        "PASOR", "PASSE", "PATEN", "PATNA", "PORM1", "PORM2", "PORM3", "PORM4", "PORM5", "PPAGE",
        "PPISP", "PPSOV", "PPUFF", "PSAPP", "PSFEM", "PSFUN", "PSISP", "PSSOT", "PSUFF", "RIFUG",
        "SDMIL", "SDSOT", "SDUFF", "TEAMC", "TEAOD", "TECAM", "TECOC", "TEDOG", "TEFSE", "TEMPI",
        "TENAT", "TENAV", "TEPOL", "TESAE", "TESAR", "TESAV", "TESCA", "TESCS", "TESDI", "TESEA",
        "TESIN", "TESLP", "TESMB", "TESMD", "TESMF", "TESMG", "TESMI", "TESMN", "TESMS", "TESMT",
        "TESNO", "TESOG", "TESPC", "TESPI", "TESPT", "TESUN", "TETEL", "TFERD", "TFEXD", "VIMIL",
        "VISOT", "VIUFF", "VVMIL", "VVSOT", "VVUFF",
            // clang-format on
        };
        QStringList codes;
        for (const QString &l : Codes::lines(Table::Documenti))
            codes.append(l.left(5));
        QCOMPARE(codes, expected);
    }

    void stateCodesInOrder()
    {
        const int tails[] = {
            // clang-format off
        100, 201, 202, 203, 206, 209, 210, 212, 214, 215, 216, 219, 220, 221, 223, 224,
        225, 226, 227, 229, 231, 232, 233, 234, 235, 236, 239, 240, 241, 243, 244, 245,
        246, 247, 248, 249, 250, 251, 252, 253, 254, 255, 256, 257, 301, 302, 304, 305,
        306, 307, 309, 310, 311, 314, 315, 319, 320, 322, 323, 326, 327, 330, 331, 332,
        333, 334, 335, 336, 337, 339, 340, 341, 342, 343, 344, 345, 346, 348, 349, 351,
        353, 354, 356, 357, 358, 359, 360, 361, 362, 363, 364, 401, 402, 404, 406, 408,
        409, 410, 411, 413, 414, 415, 417, 418, 419, 420, 421, 422, 423, 424, 425, 426,
        427, 428, 429, 430, 431, 432, 434, 435, 436, 437, 438, 440, 441, 442, 443, 446,
        448, 449, 450, 451, 453, 454, 455, 456, 457, 458, 460, 461, 463, 464, 465, 466,
        467, 503, 505, 506, 507, 509, 513, 514, 515, 516, 517, 518, 519, 523, 524, 525,
        527, 529, 530, 532, 533, 534, 536, 602, 604, 605, 606, 608, 609, 612, 614, 615,
        616, 617, 618, 619, 701, 703, 708, 715, 719, 721, 725, 727, 730, 731, 732, 733,
        734, 735, 736, 737, 738, 739, 740, 741, 742, 743, 744, 745, 746, 747, 748, 749,
        750, 751, 752, 753, 754, 755, 757, 758, 759, 760, 761, 762, 763, 764, 765, 766,
        767, 768, 769, 770, 771, 772, 773, 774, 775, 776, 777, 778, 779, 780, 781, 782,
        783, 784, 785, 786, 787, 788, 789, 790, 793, 794, 795, 796, 797, 798, 799, 800,
        801, 802, 803, 804, 805, 806, 808, 810, 811, 812, 813, 814, 815, 816, 817, 998,
        999, 1000, 1001, 1002,
            // clang-format on
        };
        QStringList expected;
        for (int t : tails)
            expected.append(QString::number(100000000 + t));
        for (int t = 1; t <= 11; ++t)
            expected.append(QString::number(110000000 + t));
        QStringList codes;
        for (const QString &l : Codes::lines(Table::Stati))
            codes.append(l.left(9));
        QCOMPARE(codes, expected);
    }

    void tellingRows_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("description");
        const int d = int(Table::Documenti), s = int(Table::Stati);
        // clang-format off
        QTest::newRow("ACMIL") << d << 0 << "ACMIL" << "TESS. APP.TO AG.CUSTODIA";
        QTest::newRow("CERID") << d << -1 << "CERID" << "CERTIFICATO D'IDENTITA'";
        QTest::newRow("IDELE") << d << -1 << "IDELE" << "CARTA IDENTITA' ELETTRONICA";
        QTest::newRow("IDENT") << d << -1 << "IDENT" << "CARTA DI IDENTITA'";
        QTest::newRow("PASOR") << d << -1 << "PASOR" << "PASSAPORTO ORDINARIO";
        QTest::newRow("PATEN") << d << -1 << "PATEN" << "PATENTE DI GUIDA";
        QTest::newRow("PORM5") << d << -1 << "PORM5" << "PORTO D'ARMI GUARDIE GIURATE";
        QTest::newRow("RIFUG") << d << -1 << "RIFUG" << "TITOLO VIAGGIO RIF.POLIT.";
        QTest::newRow("VVUFF") << d << 94 << "VVUFF" << "TESS. UFFICIALI VV.FF.";
        QTest::newRow("ITALIA") << s << 0 << "100000100" << "ITALIA";
        QTest::newRow("ALBANIA") << s << 1 << "100000201" << "ALBANIA";
        QTest::newRow("100000210") << s << -1 << "100000210" << "CECOSLOVACCHIA";
        QTest::newRow("100000215") << s << -1 << "100000215" << "FRANCIA";
        QTest::newRow("100000224") << s << -1 << "100000224" << "JUGOSLAVIA (SERBIA-MONTENEGRO)";
        QTest::newRow("100000536") << s << -1 << "100000536" << "STATI UNITI D'AMERICA";
        QTest::newRow("100000757") << s << -1 << "100000757" << "GERMANIA REP. DEMOCRATICA";
        QTest::newRow("100000789") << s << -1 << "100000789" << "PROTETTORATO DELLA ARABIA MERIDIONALE";
        QTest::newRow("100000793") << s << -1 << "100000793" << "URSS";
        QTest::newRow("100000998") << s << -1 << "100000998" << "REPUBBLICA DEMOCRATICA DEL CONGO";
        QTest::newRow("100000999") << s << -1 << "100000999" << "APOLIDE";
        QTest::newRow("100001000") << s << -1 << "100001000" << "SERBIA";
        QTest::newRow("100001001") << s << -1 << "100001001" << "MONTENEGRO";
        QTest::newRow("100001002") << s << -1 << "100001002" << "KOSOVO";
        QTest::newRow("110000001") << s << -1 << "110000001" << "PALESTINA";
        QTest::newRow("110000002") << s << -1 << "110000002" << "CANARIE ISOLE";
        QTest::newRow("110000003") << s << -1 << "110000003" << "MACAO";
        QTest::newRow("110000004") << s << -1 << "110000004" << "GIBILTERRA";
        QTest::newRow("110000005") << s << -1 << "110000005" << "HONG KONG";
        QTest::newRow("110000006") << s << 281 << "110000006" << "IRAN-ETNIA CURDA";
        QTest::newRow("110000007") << s << 282 << "110000007" << "IRAQ-ETNIA CURDA";
        QTest::newRow("110000008") << s << 283 << "110000008" << "SIRIA-ETNIA CURDA";
        QTest::newRow("110000009") << s << 284 << "110000009" << "TURCHIA-ETNIA CURDA";
        QTest::newRow("110000010") << s << -1 << "110000010" << "JUGOSLAVIA ETNIA KOSSOVARA";
        QTest::newRow("last state") << s << 286 << "110000011" << "NAZ. BRITANNICO(OLTREMARE)-HONG KONG";
        // clang-format on
    }
    void tellingRows()
    {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(QString, code);
        QFETCH(QString, description);
        const Table t = Table(table);
        const QStringList lines = Codes::lines(t);
        const QString line = code + QStringLiteral("  -  ") + description.leftJustified(Codes::descriptionWidth(t));
        if (row >= 0)
            QCOMPARE(lines.at(row), line);
        else
            QVERIFY2(lines.contains(line), qPrintable(line));
    }

    void linesPerSigla()
    {
        const struct {
            const char *sigla;
            int lines;
        } expected[] = {
            // clang-format off
        {"AG", 43}, {"AL", 222}, {"AN", 53}, {"AO", 79}, {"AP", 93}, {"AQ", 117}, {"AR", 44}, {"AT", 136},
        {"AV", 128}, {"BA", 53}, {"BG", 341}, {"BI", 84}, {"BL", 71}, {"BN", 87}, {"BO", 63}, {"BR", 20},
        {"BS", 316}, {"BT", 10}, {"BZ", 234}, {"CA", 206}, {"CB", 136}, {"CE", 113}, {"CH", 106}, {"CI", 23},
        {"CL", 22}, {"CN", 273}, {"CO", 414}, {"CR", 248}, {"CS", 161}, {"CT", 60}, {"CZ", 162}, {"EN", 21},
        {"FC", 30}, {"FE", 27}, {"FG", 64}, {"FI", 61}, {"FM", 40}, {"FO", 55}, {"FR", 95}, {"FU", 25},
        {"GE", 98}, {"GO", 139}, {"GR", 28}, {"IM", 114}, {"IS", 52}, {"KR", 27}, {"LC", 91}, {"LE", 97},
        {"LI", 20}, {"LO", 61}, {"LT", 36}, {"LU", 37}, {"MB", 55}, {"MC", 58}, {"ME", 118}, {"MI", 447},
        {"MN", 72}, {"MO", 47}, {"MS", 20}, {"MT", 31}, {"NA", 107}, {"NO", 276}, {"NU", 106}, {"OG", 23},
        {"OR", 90}, {"OT", 26}, {"PA", 82}, {"PC", 53}, {"PD", 107}, {"PE", 50}, {"PG", 72}, {"PI", 42},
        {"PL", 47}, {"PN", 53}, {"PO", 7}, {"PR", 58}, {"PS", 92}, {"PU", 92}, {"PT", 26}, {"PV", 284},
        {"PZ", 101}, {"RA", 18}, {"RC", 117}, {"RE", 47}, {"RG", 13}, {"RI", 81}, {"RM", 124}, {"RN", 28},
        {"RO", 67}, {"SA", 164}, {"SI", 39}, {"SO", 81}, {"SP", 32}, {"SR", 21}, {"SS", 94}, {"SV", 100},
        {"TA", 29}, {"TE", 48}, {"TN", 416}, {"TO", 387}, {"TP", 25}, {"TR", 46}, {"TS", 42}, {"TV", 103},
        {"UD", 212}, {"VA", 242}, {"VB", 77}, {"VC", 196}, {"VE", 54}, {"VI", 130}, {"VR", 118}, {"VS", 28},
        {"VT", 66}, {"VV", 50}, {"ZA", 2},
            // clang-format on
        };
        QStringList order;
        QSet<QString> codes;
        int total = 0;
        for (const auto &e : expected) {
            const QString sigla = QString::fromLatin1(e.sigla);
            order.append(sigla);
            const QStringList lines = Codes::municipalityLines(sigla);
            QVERIFY2(lines.size() == e.lines, qPrintable(sigla + QStringLiteral(": ") + QString::number(lines.size())));
            QSet<QString> inList;
            for (const QString &l : lines) {
                QCOMPARE(l.size(), 59);
                QVERIFY(l.at(0) == QLatin1Char('4'));
                QCOMPARE(l.mid(9, 5), QStringLiteral("  -  "));
                QCOMPARE(l.mid(52, 5), QStringLiteral("  -  "));
                inList.insert(l.left(9));
            }
            QCOMPARE(inList.size(), lines.size()); // every municipality once in its list
            if (sigla != QLatin1String("PU")) {
                total += int(lines.size());
                codes.unite(inList);
            }
        }
        QCOMPARE(order, Codes::provinceSiglas());
        QCOMPARE(total, 11183);
        QCOMPARE(codes.size(), 11053);
        QCOMPARE(Codes::municipalityLines(QStringLiteral("PU")), Codes::municipalityLines(QStringLiteral("PS")));
        QVERIFY(Codes::municipalityLines(QStringLiteral("XX")).isEmpty());
        QVERIFY(Codes::municipalityLines(QStringLiteral("pu")).isEmpty());
    }

    void provinceColumn_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("column");
        // clang-format off
        QTest::newRow("FC") << "FC" << "FO";
        QTest::newRow("CI") << "CI" << "CA";
        QTest::newRow("VS") << "VS" << "CA";
        QTest::newRow("OG") << "OG" << "NU";
        QTest::newRow("PU") << "PU" << "PS";
        QTest::newRow("TO") << "TO" << "TO";
        // clang-format on
    }
    void provinceColumn()
    {
        QFETCH(QString, list);
        QFETCH(QString, column);
        for (const QString &l : Codes::municipalityLines(list))
            QCOMPARE(l.right(2), column);
        // OT files 24 municipalities under SS and 2 under NU, and shares them with those lists.
        int ss = 0, nu = 0;
        for (const QString &l : Codes::municipalityLines(QStringLiteral("OT"))) {
            ss += l.endsWith(QLatin1String("SS"));
            nu += l.endsWith(QLatin1String("NU"));
            QVERIFY(Codes::municipalityLines(l.right(2)).contains(l));
        }
        QCOMPARE(ss, 24);
        QCOMPARE(nu, 2);
    }

    void tellingMunicipalities_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("lists");
        // clang-format off
        QTest::newRow("TORINO") << "401001272" << "TORINO" << "TO" << QStringList{"TO"};
        QTest::newRow("CAMPIONE") << "403013040" << "CAMPIONE D'ITALIA" << "CO" << QStringList{"CO"};
        QTest::newRow("MILANO") << "403015146" << "MILANO" << "MI" << QStringList{"MI"};
        QTest::newRow("CHALLANT") << "402007501" << "CHALLANT SAINT ANSELME ET CHALLANT SAI" << "AO" << QStringList{"AO"};
        QTest::newRow("FORLI'") << "408040012" << "FORLI'" << "FO" << QStringList{"FC", "FO"};
        QTest::newRow("PESARO") << "411041044" << "PESARO" << "PS" << QStringList{"PS", "PU"};
        QTest::newRow("ROMA") << "412058091" << "ROMA" << "RM" << QStringList{"RM"};
        QTest::newRow("OLBIA") << "420090047" << "OLBIA" << "SS" << QStringList{"OT", "SS"};
        QTest::newRow("BUDONI") << "420091014" << "BUDONI" << "NU" << QStringList{"OT", "NU"};
        QTest::newRow("FIUME") << "450500511" << "FIUME" << "FU" << QStringList{"FU"};
        QTest::newRow("ZARA") << "450502502" << "ZARA" << "ZA" << QStringList{"ZA"};
        // clang-format on
    }
    void tellingMunicipalities()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, column);
        QFETCH(QStringList, lists);
        const QString line = code + QStringLiteral("  -  ") + name.leftJustified(38) + QStringLiteral("  -  ") + column;
        QCOMPARE(line.size(), 59);
        for (const QString &sigla : Codes::provinceSiglas())
            QCOMPARE(Codes::municipalityLines(sigla).contains(line), lists.contains(sigla));
    }

    void listOrder()
    {
        // Ascending code, except OT, OG and CI, which go by name.
        for (const QString &sigla : Codes::provinceSiglas()) {
            const QStringList lines = Codes::municipalityLines(sigla);
            const bool byName =
                sigla == QLatin1String("OT") || sigla == QLatin1String("OG") || sigla == QLatin1String("CI");
            for (int i = 1; i < lines.size(); ++i) {
                const QString a = byName ? lines.at(i - 1).mid(14, 38) : lines.at(i - 1).left(9);
                const QString b = byName ? lines.at(i).mid(14, 38) : lines.at(i).left(9);
                QVERIFY2(a < b, qPrintable(sigla + QLatin1Char(' ') + lines.at(i)));
            }
        }
    }

    void provinceLabels()
    {
        QCOMPARE(Codes::provinceLabel(QString()), QStringLiteral("Nessuna provincia selezionata."));
        QCOMPARE(Codes::provinceLabel(QStringLiteral("AG")),
                 QStringLiteral("Provincia selezionata:  Agrigento (Sicilia)."));
        QCOMPARE(Codes::provinceLabel(QStringLiteral("FO")),
                 QStringLiteral("Provincia selezionata:  Forlì (Emilia-Romagna)."));
        QCOMPARE(Codes::provinceLabel(QStringLiteral("PU")),
                 QStringLiteral("Provincia selezionata:  Pesaro-Urbino (Marche)."));
        QCOMPARE(Codes::provinceLabel(QStringLiteral("ZA")), QStringLiteral("Provincia selezionata:  Zara (Croazia)."));
        for (const QString &sigla : Codes::provinceSiglas())
            QVERIFY(Codes::provinceName(sigla).endsWith(QLatin1Char(')')));
    }

    void pickTargets_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("target"); // card, code, description, province; empty: refused
        const int ti = int(Table::Tipo), d = int(Table::Documenti), s = int(Table::Stati), c = int(Table::Comuni);
        for (const char *card : {"clienti", "registro"}) {
            const QString k = QString::fromLatin1(card);
            // clang-format off
            QTest::addRow("%s tipo", card) << ti << k + "_tipo" << QStringList{k, "txtCodTipo", "txtTipo", ""};
            QTest::addRow("%s tipodoc", card) << d << k + "_tipodoc" << QStringList{k, "txtCodTipoDoc", "txtTipoDoc", ""};
            QTest::addRow("%s statonasc", card) << s << k + "_statonasc" << QStringList{k, "txtCodStatoNasc", "txtStatoNasc", ""};
            QTest::addRow("%s cittadinanza", card)
                << s << k + "_cittadinanza" << QStringList{k, "txtCodCittadinanza", "txtCittadinanza", ""};
            QTest::addRow("%s state luogoril", card) << s << k + "_luogoril" << QStringList{k, "txtCodLuogoRil", "txtLuogoRil", ""};
            QTest::addRow("%s comunenasc", card)
                << c << k + "_comunenasc" << QStringList{k, "txtCodComuneNasc", "txtComuneNasc", "txtProvNasc"};
            QTest::addRow("%s municipality luogoril", card)
                << c << k + "_luogoril" << QStringList{k, "txtCodLuogoRil", "txtLuogoRil", ""};
            // clang-format on
            // Markers of another table are refused.
            // clang-format off
            QTest::addRow("%s tipo at states", card) << s << k + "_tipo" << QStringList{};
            QTest::addRow("%s comunenasc at states", card) << s << k + "_comunenasc" << QStringList{};
            QTest::addRow("%s statonasc at municipalities", card) << c << k + "_statonasc" << QStringList{};
            // clang-format on
        }
        // clang-format off
        QTest::newRow("blanks trimmed") << s << "  clienti_statonasc \t" << QStringList{"clienti", "txtCodStatoNasc", "txtStatoNasc", ""};
        QTest::newRow("case matters") << s << "Clienti_statonasc" << QStringList{};
        QTest::newRow("none") << ti << "" << QStringList{};
        QTest::newRow("other card") << ti << "prodotti_tipo" << QStringList{};
        // clang-format on
    }
    void pickTargets()
    {
        QFETCH(int, table);
        QFETCH(QString, marker);
        QFETCH(QStringList, target);
        const auto t = Codes::pickTarget(Table(table), marker);
        QCOMPARE(t.has_value(), !target.isEmpty());
        if (t)
            QCOMPARE((QStringList{t->card, t->codeField, t->descriptionField, t->provinceField}), target);
    }

    void splitEntries()
    {
        const auto tipo = Codes::splitEntry(Table::Tipo, QStringLiteral("17  -  CAPOFAMIGLIA  "));
        QCOMPARE(tipo.code, QStringLiteral("17"));
        QCOMPARE(tipo.description, QStringLiteral("CAPOFAMIGLIA"));
        const auto comune = Codes::splitEntry(
            Table::Comuni, Codes::municipalityLines(QStringLiteral("AO")).filter(QStringLiteral("402007501")).first());
        QCOMPARE(comune.code, QStringLiteral("402007501"));
        QCOMPARE(comune.description, QStringLiteral("CHALLANT SAINT ANSELME ET CHALLANT SAI"));
        QCOMPARE(comune.province, QStringLiteral("AO"));
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
