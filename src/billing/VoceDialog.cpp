#include "billing/VoceDialog.h"

#include "base/Text.h"
#include "billing/Amount.h"
#include "billing/PriceList.h"
#include "billing/Prodotti.h"
#include "platform/Messages.h"
#include "platform/ScreenKit.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A price is typed with at most this many characters; a normalised or loaded one may be longer.
constexpr int kTypedPrice = 7;
} // namespace

TVoceDialog::TVoceDialog(QWidget *parent, const QString &caption, const QString &applyText)
    : TDialog(parent, caption, QSize(520, 190))
{
    txtNomeVoce = new QLineEdit(this);
    txtNomeVoce->setObjectName(QStringLiteral("txtNomeVoce"));
    txtNomeVoce->setMaxLength(PriceList::NameWidth);
    txtPrezzo = new QLineEdit(QStringLiteral("0,00"), this);
    txtPrezzo->setObjectName(QStringLiteral("txtPrezzo"));
    txtPrezzo->setMaxLength(PriceList::EditPriceChars);
    txtPrezzo->setAlignment(Qt::AlignRight);
    txtPrezzo->setFixedWidth(110);
    txtPrezzo->installEventFilter(this);
    imgEuro = new QLabel(this);
    imgEuro->setObjectName(QStringLiteral("imgEuro"));
    imgEuro->setPixmap(QIcon(QStringLiteral(":/icons/euro.svg")).pixmap(22, 22));
    btnApplica = new QPushButton(applyText, this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setAutoDefault(false);

    auto *g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Nome del prodotto o servizio:"), this), 0, 0, 1, 3);
    g->addWidget(txtNomeVoce, 1, 0, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Prezzo unitario:"), this), 2, 0);
    g->addWidget(imgEuro, 2, 1);
    g->addWidget(txtPrezzo, 2, 2, Qt::AlignLeft);
    g->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addStretch();
    v->addLayout(buttons);

    auto *chain = new ScreenKit::EnterChain({txtNomeVoce, txtPrezzo, btnApplica}, this, false);
    Q_UNUSED(chain);
    setTabOrder(txtNomeVoce, txtPrezzo);
    setTabOrder(txtPrezzo, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    connect(btnApplica, &QPushButton::clicked, this, [this] { btnApplicaClick(); });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmProdotti *TVoceDialog::prodotti() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget())
        if (auto *p = qobject_cast<TfrmProdotti *>(w))
            return p;
    return ScreenKit::findScreen<TfrmProdotti>();
}

void TVoceDialog::showEvent(QShowEvent *e)
{
    TDialog::showEvent(e);
    txtNomeVoce->setFocus();
}

void TVoceDialog::normalisePrice()
{
    const QString normal = Amount::normalisePrice(txtPrezzo->text());
    if (normal != txtPrezzo->text())
        txtPrezzo->setText(normal);
}

std::optional<QString> TVoceDialog::checkedLine()
{
    if (Text::isBlank(txtNomeVoce->text())) {
        Msg::warning(
            QStringLiteral("Attenzione: non è stato indicato alcun nome da attribuire al prodotto o servizio."), this);
        txtNomeVoce->setFocus();
        return std::nullopt;
    }
    // The price is normalised on leaving its field; applying without leaving it gets the same.
    normalisePrice();
    return PriceList::makeLine(txtNomeVoce->text(), txtPrezzo->text());
}

bool TVoceDialog::eventFilter(QObject *o, QEvent *e)
{
    if (o != txtPrezzo)
        return false;
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (!Amount::keyPasses(k->key(), k->text()))
            return true;
        const QString t = k->text();
        const bool typing = t.size() == 1 && ((t[0] >= u'0' && t[0] <= u'9') || t[0] == u',');
        return typing && !txtPrezzo->hasSelectedText() && txtPrezzo->text().size() >= kTypedPrice;
    }
    if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent *>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            normalisePrice();
    }
    return false;
}
