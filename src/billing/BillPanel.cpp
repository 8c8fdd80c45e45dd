#include "billing/BillPanel.h"

#include "billing/Amount.h"
#include "billing/ExpConto.h"
#include "billing/StampaConto.h"
#include "billing/TrovaServizi.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "platform/ScreenKit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {
QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

BillPanel::BillPanel(QWidget *card, ScreenKit::Hints *hints) : QObject(card), m_card(card)
{
    panConto = new QFrame(card);
    panConto->setObjectName(QStringLiteral("panConto"));
    panConto->setFrameShape(QFrame::StyledPanel);
    panConto->setAutoFillBackground(true);
    panCalcola = new QFrame(card);
    panCalcola->setObjectName(QStringLiteral("panCalcola"));
    panCalcola->setFrameShape(QFrame::StyledPanel);
    panCalcola->setAutoFillBackground(true);

    txtCliente = new QLabel(QStringLiteral("Conto del cliente"), panConto);
    txtCliente->setObjectName(QStringLiteral("txtCliente"));
    btnChiudiConto =
        ScreenKit::picture(panConto, QStringLiteral("btnChiudiConto"), QStringLiteral("chiudi"), QString(), 24);
    cmdStampaConto =
        ScreenKit::picture(panConto, QStringLiteral("cmdStampaConto"), QStringLiteral("stampa"), QString(), 24);
    cmdExpConto = ScreenKit::picture(panConto, QStringLiteral("cmdExpConto"), QStringLiteral("esporta"), QString(), 24);
    btnCancellaConto = new QPushButton(QStringLiteral("CANCELLA CONTO"), panConto);
    btnCancellaConto->setObjectName(QStringLiteral("btnCancellaConto"));
    txtAcconto = new QLineEdit(panConto);
    txtAcconto->setObjectName(QStringLiteral("txtAcconto"));
    txtAcconto->setMaxLength(10);
    txtAcconto->setAlignment(Qt::AlignRight);
    txtAcconto->setFixedWidth(90);

    auto *top = new QHBoxLayout;
    top->addWidget(txtCliente, 1);
    top->addWidget(cmdStampaConto);
    top->addWidget(cmdExpConto);
    top->addWidget(btnChiudiConto);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int col = 0; col < 2; ++col) {
        const int c0 = col * 5;
        grid->addWidget(new QLabel(QStringLiteral("Data:"), panConto), 0, c0);
        grid->addWidget(new QLabel(QStringLiteral("Descrizione servizio o consumazione:"), panConto), 0, c0 + 1);
        grid->addWidget(new QLabel(QStringLiteral("Importo:"), panConto), 0, c0 + 2);
    }
    grid->setColumnMinimumWidth(4, 16);
    for (int n = 1; n <= 30; ++n) {
        auto *d = new QLineEdit(panConto);
        d->setObjectName(QStringLiteral("txtData") + two(n));
        d->setMaxLength(10);
        d->setAlignment(Qt::AlignCenter);
        d->setFixedWidth(86);
        auto *s = new QLineEdit(panConto);
        s->setObjectName(QStringLiteral("txtDesc") + two(n));
        s->setMaxLength(55);
        auto *p = new QLineEdit(panConto);
        p->setObjectName(QStringLiteral("txtPrezzo") + two(n));
        p->setMaxLength(10);
        p->setAlignment(Qt::AlignRight);
        p->setFixedWidth(86);
        QToolButton *imp =
            ScreenKit::picture(panConto, QStringLiteral("impVoce") + two(n), QStringLiteral("importa"), QString(), 18);
        txtData.append(d);
        txtDesc.append(s);
        txtPrezzo.append(p);
        impVoce.append(imp);
        const int row = 1 + (n - 1) % 15, c0 = n <= 15 ? 0 : 5;
        grid->addWidget(d, row, c0);
        grid->addWidget(s, row, c0 + 1);
        grid->addWidget(p, row, c0 + 2);
        grid->addWidget(imp, row, c0 + 3);
        if (hints)
            hints->add(imp, QStringLiteral("Importa i dati dal tariffario dei prodotti e servizi."));
    }

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btnCancellaConto);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Acconto:  €"), panConto));
    bottom->addWidget(txtAcconto);

    auto *v = new QVBoxLayout(panConto);
    v->setContentsMargins(8, 6, 8, 6);
    v->addLayout(top);
    v->addLayout(grid);
    v->addStretch(1);
    v->addLayout(bottom);

    btnCalcola = new QPushButton(QStringLiteral("CALCOLA TOTALE  >>"), panCalcola);
    btnCalcola->setObjectName(QStringLiteral("btnCalcola"));
    txtTotale = new QLabel(QStringLiteral("---"), panCalcola);
    txtTotale->setObjectName(QStringLiteral("txtTotale"));
    txtTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotale->setMinimumWidth(110);
    auto *h = new QHBoxLayout(panCalcola);
    h->setContentsMargins(8, 4, 8, 4);
    h->addWidget(btnCalcola);
    h->addWidget(txtTotale);
    // The bottom row is tall enough for the total panel that stands in its middle.
    bottom->addStrut(panCalcola->sizeHint().height());

    if (hints) {
        hints->add(btnChiudiConto, QStringLiteral("Chiudi la schermata del conto del cliente."));
        hints->add(btnCalcola, QStringLiteral("Calcola il totale del conto allo stato attuale."));
        hints->add(btnCancellaConto, QStringLiteral("Cancella tutte le voci del conto."));
        hints->add(cmdStampaConto, QStringLiteral("Stampa il conto del cliente."));
        hints->add(cmdExpConto, QStringLiteral("Esporta il conto del cliente in un file di Microsoft Excel."));
        hints->blank(panConto);
        hints->blank(panCalcola);
    }

    connect(btnChiudiConto, &QToolButton::clicked, this, &BillPanel::close);
    connect(btnCalcola, &QPushButton::clicked, this, &BillPanel::computeTotal);
    connect(btnCancellaConto, &QPushButton::clicked, this, &BillPanel::btnCancellaContoClick);
    connect(cmdStampaConto, &QToolButton::clicked, this, &BillPanel::cmdStampaContoClick);
    connect(cmdExpConto, &QToolButton::clicked, this, &BillPanel::cmdExpContoClick);
    for (int n = 1; n <= 30; ++n)
        connect(impVoce[n - 1], &QToolButton::clicked, this, [this, n] { impVoceClick(n); });
    // A total on screen always belongs to the amounts on screen.
    for (QLineEdit *p : txtPrezzo)
        connect(p, &QLineEdit::textChanged, txtTotale, [this] { txtTotale->setText(QStringLiteral("---")); });
    for (QLineEdit *p : txtPrezzo)
        p->installEventFilter(this);
    txtAcconto->installEventFilter(this);
    card->installEventFilter(this);

    // Tab follows the Enter chain, with CANCELLA CONTO before the deposit.
    QList<QWidget *> tabs = enterChain();
    tabs.insert(tabs.size() - 1, btnCancellaConto);
    for (int i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs[i - 1], tabs[i]);

    panConto->hide();
    panCalcola->hide();
}

bool BillPanel::isOpen() const { return panConto->isVisibleTo(m_card); }

void BillPanel::setTitle(const QString &firstName, const QString &surname)
{
    txtCliente->setText(QStringLiteral("Conto del cliente ") + firstName + QLatin1Char(' ') + surname);
}

void BillPanel::open(const QString &firstName, const QString &surname)
{
    setTitle(firstName, surname);
    computeTotal();
    place();
    panConto->show();
    panCalcola->show();
    panConto->raise();
    panCalcola->raise();
    txtData[0]->setFocus();
}

void BillPanel::close()
{
    panConto->hide();
    panCalcola->hide();
    emit closed();
}

void BillPanel::reset()
{
    for (int i = 0; i < 30; ++i) {
        txtData[i]->clear();
        txtDesc[i]->clear();
        txtPrezzo[i]->clear();
    }
    txtAcconto->clear();
    panConto->hide();
    panCalcola->hide();
}

void BillPanel::computeTotal()
{
    QStringList amounts;
    for (QLineEdit *p : txtPrezzo)
        amounts << p->text();
    txtTotale->setText(Amount::total(amounts));
}

void BillPanel::btnCancellaContoClick()
{
    if (!Msg::question(QStringLiteral("Attenzione: i dati cancellati non potranno essere recuperati.\r\n\r\n"
                                      "Si vuole proprio eliminare tutte le voci del conto?"),
                       m_card->window()))
        return;
    for (int i = 0; i < 30; ++i) {
        txtData[i]->clear();
        txtDesc[i]->clear();
        txtPrezzo[i]->clear();
    }
    txtAcconto->clear();
    Msg::information(
        QStringLiteral("Cancellazione del conto terminata.\n\r\n\r"
                       "Per rendere effettive le modifiche apportate alla scheda, premere il pulsante Salva."),
        m_card->window());
    txtData[0]->setFocus();
}

void BillPanel::impVoceClick(int n)
{
    openModal<TfrmTrovaServizi>(m_card->window(), QStringLiteral("clienti_") + two(n), [this](TfrmTrovaServizi *d) {
        connect(d, &TfrmTrovaServizi::imported, this, &BillPanel::placeItem);
    });
}

void BillPanel::placeItem(int n, const BillItem &item)
{
    txtData[n - 1]->setText(item.date);
    txtDesc[n - 1]->setText(item.description);
    txtPrezzo[n - 1]->setText(item.amount);
}

void BillPanel::cmdStampaContoClick()
{
    computeTotal();
    openModal<TfrmStampaConto>(m_card->window(), QString(),
                               [this](TfrmStampaConto *d) { d->setBill(billOnScreen(*this)); });
}

void BillPanel::cmdExpContoClick()
{
    computeTotal();
    openModal<TfrmExpConto>(m_card->window(), QString(), [this](TfrmExpConto *d) { d->setBill(billOnScreen(*this)); });
}

bool BillPanel::isAmountField(QObject *o) const
{
    return o == txtAcconto || std::any_of(txtPrezzo.cbegin(), txtPrezzo.cend(), [o](QLineEdit *p) { return p == o; });
}

bool BillPanel::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_card) {
        if (e->type() == QEvent::Resize && isOpen())
            place();
        return false;
    }
    if (!isAmountField(o))
        return false;
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (o != txtAcconto)
            txtTotale->setText(QStringLiteral("---"));
        return !Amount::keyPasses(k->key(), k->text());
    }
    if (e->type() == QEvent::FocusOut) {
        // The operator left the field; a window losing the activation or a context menu is not leaving it.
        const Qt::FocusReason why = static_cast<QFocusEvent *>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            auto *field = static_cast<QLineEdit *>(o);
            const QString normal = Amount::normaliseLine(field->text());
            if (normal != field->text())
                field->setText(normal);
        }
    }
    return false;
}

void BillPanel::place()
{
    const QRect r = m_card->rect();
    const int h = qMin(r.height() - 40, qMax(panConto->sizeHint().height(), 480));
    panConto->setGeometry(r.left() + 8, r.bottom() - h - 8, r.width() - 16, h);
    // The total stands in the free middle of the bill's own bottom row (between CANCELLA CONTO
    // and the deposit), so it covers none of the card's fields above the bill.
    panConto->layout()->activate();
    const QSize c = panCalcola->sizeHint();
    const QRect row = btnCancellaConto->geometry().translated(panConto->pos());
    panCalcola->setGeometry(panConto->x() + (panConto->width() - c.width()) / 2, row.center().y() - c.height() / 2,
                            c.width(), c.height());
}

QList<QWidget *> BillPanel::enterChain() const
{
    QList<QWidget *> chain;
    for (int i = 0; i < 30; ++i)
        chain << txtData[i] << txtDesc[i] << txtPrezzo[i];
    chain << txtAcconto;
    return chain;
}
