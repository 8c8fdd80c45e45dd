#include "bookings/Calendario.h"

#include "base/Dates.h"
#include "base/Formats.h"
#include "bookings/Registro.h"
#include "platform/Clock.h"
#include "platform/ScreenKit.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Importazione data"), QSize(360, 300), true)
{
    setObjectName(QStringLiteral("frmCalendario"));
    Formats::applyProcessFormats();

    auto *caption = new QLabel(QStringLiteral("Importare una data:"), this);
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(Clock::today());
    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnImportaData->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    buttons->addWidget(btnAnnulla);
    auto *v = new QVBoxLayout(this);
    v->addWidget(caption);
    v->addWidget(calAppuntamenti, 1);
    v->addLayout(buttons);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    const QString marker = memory();
    // The card that opened the picker; the registry's card when it was opened from elsewhere.
    auto *card = qobject_cast<TfrmRegistro *>(parentWidget());
    if (!card)
        card = ScreenKit::findScreen<TfrmRegistro>();
    QLineEdit *target = nullptr;
    if (card && marker == QStringLiteral("dataent"))
        target = card->txtDataEnt;
    else if (card && marker == QStringLiteral("datausc"))
        target = card->txtDataUsc;
    if (!target)
        return;
    target->setText(Dates::format(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick() { reject(); }
