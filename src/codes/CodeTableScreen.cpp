#include "codes/CodeTableScreen.h"

#include "base/Formats.h"
#include "base/Text.h"
#include "platform/ListScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace Codes {

namespace {

QWidget *findCard(QWidget *table, const QString &card)
{
    const QString name = QStringLiteral("frm") + card.left(1).toUpper() + card.mid(1);
    for (QWidget *w = table ? table->parentWidget() : nullptr; w; w = w->parentWidget())
        if (w->objectName() == name)
            return w;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

bool writeField(QWidget *card, const QString &field, const QString &text)
{
    QWidget *w = card->findChild<QWidget *>(field);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(text);
    else
        return false;
    return true;
}

} // namespace

bool writePick(QWidget *table, const PickTarget &target, const PickedEntry &entry)
{
    QWidget *card = findCard(table, target.card);
    if (!card)
        return false;
    if (!writeField(card, target.codeField, entry.code))
        return false;
    if (!target.provinceField.isEmpty() && !writeField(card, target.provinceField, entry.province))
        return false;
    return writeField(card, target.descriptionField, entry.description);
}

} // namespace Codes

TCodeTableScreen::TCodeTableScreen(QWidget *parent, Codes::Table table, const QString &caption,
                                   const QString &printTitle, const QString &banner)
    : TDialog(parent, caption, QSize(862, 560)), m_table(table)
{
    Formats::applyProcessFormats();
    list = new ListScreen(this, banner,
                          QStringLiteral("Immettere una o più parole consecutive presenti nella voce in elenco da "
                                         "cercare e premere il pulsante Trova."),
                          QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                         "fare di nuovo clic su Trova."),
                          QStringLiteral("Per importare una voce dall'elenco, selezionarla con un doppio clic."));
    hostList(list, this);

    list->setKeyStore(&rememberedKey(table));
    list->setPrintTitle(printTitle);
    txtTrova->clear();
    list->setLines(Codes::lines(table));
    list->setItemWidth(600);
    connect(list, &ListScreen::lstRecordsDblClick, this, &TCodeTableScreen::lstRecordsDblClick);
}

QString &TCodeTableScreen::rememberedKey(Codes::Table table)
{
    static QString keys[4];
    return keys[int(table)];
}

void TCodeTableScreen::lstRecordsDblClick()
{
    const QString line = list->currentLine();
    if (!line.isEmpty())
        if (auto target = Codes::pickTarget(m_table, memory()))
            Codes::writePick(this, *target, Codes::splitEntry(m_table, line));
    close();
}

void TCodeTableScreen::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    txtTrova->setFocus();
}
