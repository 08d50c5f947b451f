#pragma once
// Reminders about guests in the house (a wake-up call): each belongs to an
// open stay and becomes due at its day and hour. The reminders screen records
// them and lists the active ones; the notice TFrmAviso announces due ones.
#include "base/UnitDM.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimeEdit;
class ModeloConsulta;

namespace Lembretes {

inline constexpr const char *kMsgSemUH = "Selecione a UH para o Aviso!";
inline constexpr const char *kMsgSemDescricao = "Digite a descrição do Lembrete!";
inline constexpr const char *kMsgConcluido = "Lembrete Concluído com Sucesso!";
// LEMBRETE.DESCRICAO holds this many characters.
inline constexpr int kMaxDescricao = 250;
inline constexpr const char *kMsgDescricaoLonga = "A descrição do Lembrete pode ter no máximo 250 caracteres!";

struct Estadia {
    qint64 idWalkIn = 0;
    QString legenda; // room number / customer name
};
// Open stays of rooms in use (not free, not deleted), by room number.
QList<Estadia> estadiasAbertas();

// The active reminders of every stay, by day and hour, with the room number.
QString sqlAtivos();

enum class Gravacao { Gravado, SemUH, SemDescricao, DescricaoLonga };
// Records an active reminder for the stay; the description is trimmed. A
// description longer than the column is refused by the database.
Gravacao arquivar(qint64 idEntrada, const QDate &data, const QTime &hora, const QString &descricao,
                  const QString &login);
// Marks a reminder done; false when it does not exist.
bool concluir(qint64 idLembrete);

} // namespace Lembretes

class TFrmLembrete : public QDialog {
    Q_OBJECT
public:
    explicit TFrmLembrete(QWidget *parent = nullptr);

    QComboBox *cbFiltroUsuario; // the stay
    QDateEdit *dtData;
    QTimeEdit *dtHora;
    QPlainTextEdit *Memo1;
    QPushButton *btnArquivar;
    QTableView *DBGrid1;
    ModeloConsulta *modelo;
    QPushButton *btnConcluido;
    QPushButton *btnFechar;

public slots:
    void FormShow();
    void cbFiltroUsuarioChange();
    void btnArquivarClick();
    void btnConcluidoClick();
    void DBGrid1DblClick();
    void atualizarLista();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmLembrete *FrmLembrete;

// The reminders screen, modal.
void abrirLembretes();
