#include "stays/UnitBuscarVeiculo.h"

#include "base/Grade.h"
#include "base/UnitDM.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmBuscarVeiculo *FrmBuscarVeiculo = nullptr;

TFrmBuscarVeiculo::TFrmBuscarVeiculo(qint64 idCliente, QLineEdit *edtModelo, QLineEdit *edtPlaca, QWidget *parent)
    : QDialog(parent), m_modelo(edtModelo), m_placa(edtPlaca)
{
    setWindowTitle(QStringLiteral("Buscar Veículo"));
    resize(420, 300);
    auto *v = new QVBoxLayout(this);
    grdVeiculos = new QTableWidget(0, 2, this);
    grdVeiculos->setHorizontalHeaderLabels({QStringLiteral("Modelo"), QStringLiteral("Placa")});
    prepararGrade(grdVeiculos);
    grdVeiculos->setColumnWidth(0, 250);
    v->addWidget(grdVeiculos);
    const QList<Linha> linhas = DM->Conexao.lerTodas(
        QStringLiteral("SELECT DISTINCT V.MODELO, V.PLACA FROM VEICULO V JOIN WALK_IN W ON W.ID_WALK_IN = V.ID_ENTRADA "
                       "WHERE W.ID_CLIENTE = ? ORDER BY V.MODELO, V.PLACA"),
        {idCliente});
    grdVeiculos->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        grdVeiculos->setItem(i, 0, new QTableWidgetItem(linhas[i].texto(QStringLiteral("MODELO"))));
        grdVeiculos->setItem(i, 1, new QTableWidgetItem(linhas[i].texto(QStringLiteral("PLACA"))));
    }
    if (!linhas.isEmpty())
        grdVeiculos->selectRow(0);
    grdVeiculos->installEventFilter(this);
    connect(grdVeiculos, &QTableWidget::cellDoubleClicked, this, &TFrmBuscarVeiculo::escolher);
    grdVeiculos->setFocus();
}

void TFrmBuscarVeiculo::escolher()
{
    const int r = grdVeiculos->currentRow();
    if (r >= 0 && r < grdVeiculos->rowCount() && !grdVeiculos->item(r, 0)->text().isEmpty()) {
        if (m_modelo)
            m_modelo->setText(grdVeiculos->item(r, 0)->text());
        if (m_placa)
            m_placa->setText(grdVeiculos->item(r, 1)->text());
    }
    accept();
}

bool TFrmBuscarVeiculo::eventFilter(QObject *o, QEvent *e)
{
    if (o == grdVeiculos && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            escolher();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}
