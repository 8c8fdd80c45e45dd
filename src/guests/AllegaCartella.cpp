#include "guests/AllegaCartella.h"

#include "base/Text.h"
#include "guests/Allegati.h"
#include "platform/FileDialog.h"
#include "platform/Messages.h"
#include "platform/OpenURL.h"
#include "platform/ScreenKit.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kMarker = QStringLiteral("clienti");

const QString kNotKept = QStringLiteral(
    "Attenzione: il nome del file scelto non può essere conservato nella scheda del cliente.\n\r\n\r"
    "Il nome non deve contenere barre né punti consecutivi (..), deve essere scritto con le lettere e i "
    "simboli dell'alfabeto occidentale e non deve superare i 250 caratteri: rinominare il file e riprovare.");

const QString kNotCopied = QStringLiteral(
    "Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi che il file scelto esista ancora e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

const QString kNotOpened = QStringLiteral(
    "Attenzione: il nome del file allegato non indica un file della cartella dei documenti allegati e il "
    "file non verrà aperto.\n\r\n\rScegliere di nuovo il file con il pulsante Sfoglia...");

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent)
    : TDialog(parent, QStringLiteral(" Allega file"), QSize(700, 420))
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    const QString ordinal[] = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")};
    for (int k = 0; k < 3; ++k) {
        const QString n = QStringLiteral("%1").arg(k + 1, 2, 10, QLatin1Char('0'));
        auto *file = new QLineEdit(this);
        file->setObjectName(QStringLiteral("txtFile") + n);
        file->setReadOnly(true);
        file->setMaxLength(Allegati::NameCapacity);
        auto *desc = new QLineEdit(this);
        desc->setObjectName(QStringLiteral("txtDesc") + n);
        desc->setMaxLength(Allegati::NameCapacity);
        QToolButton *cancella =
            ScreenKit::picture(this, QStringLiteral("imgCancella") + n, QStringLiteral("elimina"), QString(), 20);
        cancella->setToolTip(QStringLiteral("Libera lo spazio del file allegato."));
        auto *sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
        sfoglia->setObjectName(QStringLiteral("btnSfoglia") + n);
        auto *apri = new QPushButton(QStringLiteral("Apri"), this);
        apri->setObjectName(QStringLiteral("btnApri") + n);
        apri->setEnabled(false);

        const int row = 3 * k;
        grid->addWidget(new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal[k]), this), row, 0);
        grid->addWidget(file, row, 1);
        grid->addWidget(cancella, row, 2);
        grid->addWidget(sfoglia, row, 3);
        grid->addWidget(apri, row, 4);
        grid->addWidget(new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal[k]), this), row + 1, 0);
        grid->addWidget(desc, row + 1, 1, 1, 4);
        grid->setRowMinimumHeight(row + 2, 14);

        connect(file, &QLineEdit::textChanged, apri, [apri](const QString &t) { apri->setEnabled(!Text::isBlank(t)); });
        connect(sfoglia, &QPushButton::clicked, this, [this, k] { btnSfogliaClick(k); });
        connect(apri, &QPushButton::clicked, this, [this, k] { btnApriClick(k); });
        connect(cancella, &QToolButton::clicked, this, [this, k] { imgCancellaClick(k); });
        m_file[k] = file;
        m_desc[k] = desc;
        m_apri[k] = apri;
        (k == 0 ? txtFile01 : k == 1 ? txtFile02 : txtFile03) = file;
        (k == 0 ? txtDesc01 : k == 1 ? txtDesc02 : txtDesc03) = desc;
        (k == 0 ? btnSfoglia01 : k == 1 ? btnSfoglia02 : btnSfoglia03) = sfoglia;
        (k == 0 ? btnApri01 : k == 1 ? btnApri02 : btnApri03) = apri;
        (k == 0 ? imgCancella01 : k == 1 ? imgCancella02 : imgCancella03) = cancella;
    }
    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto *l = new QVBoxLayout(this);
    l->addLayout(grid);
    l->addStretch();
    l->addLayout(buttons);
}

std::optional<AttachedFiles> TfrmAllegaCartella::edit(QWidget *owner, const AttachedFiles &current)
{
    std::optional<AttachedFiles> applied;
    openModal<TfrmAllegaCartella>(owner, kMarker, [&](TfrmAllegaCartella *d) {
        d->setFiles(current);
        connect(d, &QDialog::accepted, d, [&applied, d] { applied = d->m_applied; });
    });
    return applied;
}

void TfrmAllegaCartella::setFiles(const AttachedFiles &files)
{
    for (int k = 0; k < 3; ++k) {
        m_file[k]->setText(Text::trimmed(files.names[k]));
        m_desc[k]->setText(Text::trimmed(files.descriptions[k]));
    }
}

AttachedFiles TfrmAllegaCartella::files() const
{
    AttachedFiles f;
    for (int k = 0; k < 3; ++k) {
        f.names[k] = Text::trimmed(m_file[k]->text());
        f.descriptions[k] = Text::trimmed(m_desc[k]->text());
    }
    return f;
}

void TfrmAllegaCartella::btnSfogliaClick(int k)
{
    const QString chosen = FileDialog::getOpenFileName(this, QStringLiteral("Selezionare il file da allegare:"),
                                                       QString(), QStringLiteral("Tutti i file (*)"));
    if (chosen.isEmpty())
        return;
    const QString name = QFileInfo(chosen).fileName();
    // The card must find the file again by the name it keeps.
    if (!Allegati::isBareName(name) || !Allegati::fitsRecord(name)) {
        Msg::warning(kNotKept, this);
        return;
    }
    const QString previous = m_file[k]->text();
    m_file[k]->setText(name);
    if (!Allegati::makeFolder(Allegati::folderPath())) {
        m_file[k]->setText(previous);
        Msg::warning(kNotCopied, this);
        return;
    }
    // The folder's own file chosen again is already attached: copying it over itself would lose it.
    if (Allegati::isFolderFile(chosen, name))
        return;
    if (QFileInfo::exists(Allegati::folderPath() + name)
        && !Msg::question(QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con "
                                         "lo stesso nome.\n\r\n\rSi vuole sovrascrivere il file esistente?"),
                          this))
        return;
    if (Allegati::copyIn(chosen, name) == Allegati::Copy::Failed) {
        m_file[k]->setText(previous);
        Msg::warning(kNotCopied, this);
    }
}

void TfrmAllegaCartella::btnApriClick(int k)
{
    const QString name = Text::trimmed(m_file[k]->text());
    if (!Allegati::isBareName(name)) {
        Msg::warning(kNotOpened, this);
        return;
    }
    TMisc::Open(u'"' + Allegati::folderPath() + name + u'"');
}

void TfrmAllegaCartella::imgCancellaClick(int k) { m_file[k]->clear(); }

void TfrmAllegaCartella::btnApplicaClick()
{
    if (memory() != kMarker)
        return;
    m_applied = files();
    accept();
}
