#pragma once
// The filter group "   Opções de Filtragem:   " of the product and stock
// item reports: one record chosen from a list, or the records whose
// description holds one of the words typed ("/" between them), or, with
// neither ticked, every record after a notice. The two boxes exclude each
// other; the ticked one's control is enabled and focused; Enter in the
// choice or the words prints, Escape closes the screen.
#include "base/Rotinas.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLineEdit;

struct TextosFiltragem {
    QString preDefinidos;  // caption of the choice's box
    QString palavras;      // caption of the words' box
    QString todos;         // "T O D O S   O S   ..." (nothing chosen)
    QString nenhumaOpcao;  // the notice when neither box is ticked
    QString colunaChave;   // key column of the choice, fixed in the code
    QString colunaDescricao;
};

class OpcoesFiltragem : public QObject {
    Q_OBJECT
public:
    OpcoesFiltragem(QDialog *tela, const TextosFiltragem &textos);

    QGroupBox *grupo;
    QCheckBox *chkPreDefinidos;
    QCheckBox *chkPalavras;
    QComboBox *cbEscolha;   // code / description; data: the key
    QLineEdit *edtPalavras;

    // Fills the choice ("code / description" per row of the statement,
    // which reads the key column and DESCRICAO); nothing chosen afterwards.
    void carregar(const QString &sql);

    // What the next print filters by. Shows the notice when neither box is
    // ticked, and writes the "all" caption into an empty words field.
    struct Filtro {
        CondicaoSql condicao;   // empty sql: every record
        QString linha;          // "(Filtro: ...)"
        QString escolha;        // the choice's display text
        QString palavras;       // the words as typed (the caption when empty)
    };
    Filtro filtro();

signals:
    void imprimir();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void marcar(QCheckBox *marcada);
    QString textoEscolha() const;

    QDialog *m_tela;
    TextosFiltragem m_textos;
};
