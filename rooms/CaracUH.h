#pragma once
// Characteristics of room types (CARAC_UH): the master list's rules, the
// symbol pictures and the grid column that paints them.
//
// A characteristic's name is unique among all characteristics, deleted ones
// included (checked, and held by the database's unique key across
// workstations). Deleting records the key in ANULACAO; types that have the
// characteristic keep it.
#include "base/Grade.h"
#include "base/TelaEdicao.h"

class ConexaoBanco;

#include <QPixmap>
#include <optional>

namespace CaracUH {

// The list by name and by key; the filter statement (%1 = condition).
extern const QString kSqlLista;
extern const QString kSqlListaPorCodigo;
extern const QString kSqlFiltro;

inline const QString kMsgDescricaoInvalida = QStringLiteral("Descrição da Característica Inválida!");
inline const QString kMsgDuplicada =
    QStringLiteral("Esta Característica Já Esta Cadastrada ou Já foi excluída do Sistema!");
inline const QString kMsgSimboloLongo =
    QStringLiteral("Caminho do Símbolo Inválido! O Caminho Deve Ter no Máximo 250 Caracteres.");
inline const QString kMsgAlterada = QStringLiteral("Característica Alterada com Sucesso!");
inline const QString kMsgCadastrada = QStringLiteral("Característica Cadastrada com Sucesso! Deseja Cadastrar Outra?");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir essa Característica?");
inline const QString kMsgExcluida = QStringLiteral("Característica Excluída com Sucesso!");

constexpr int kTamDescricao = 30;
constexpr int kTamSigla = 5;
constexpr int kTamSimbolo = 250;

struct Dados {
    QString descricao;
    QString sigla;
    QString simbolo;
};

enum class Campo { Nenhum, Descricao, Simbolo };
struct Resultado {
    bool salvo = false;
    QString mensagem;
    Campo foco = Campo::Nenhum;
};

// Checks and stores. A new characteristic takes `chave` (reserved from
// GEN_ID_CARAC_UH when its screen opened); an alteration updates `chave`,
// and tests the name only when it differs from `descricaoAtual`. The
// statement and its log line run in one transaction.
Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoAtual, const Dados &dados);

// Deletes through ANULACAO and logs, in one transaction.
void excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao);

// A path as the file dialog may give it wrapped in double quotes: without them.
QString limparCaminho(const QString &caminho);

// The symbol picture of a path; nullopt when the path is empty or the file
// cannot be read as a picture.
std::optional<QPixmap> carregarSimbolo(const QString &caminho);
// The 16 by 16 picture drawn for an empty symbol (and, on the type screens,
// for a picture that cannot be loaded).
QPixmap simboloPadrao();

} // namespace CaracUH

// Paints the symbol column: the row colours first, then the picture centred
// in the cell; an empty path draws the placeholder. A file that cannot be
// loaded draws the placeholder too, or nothing when semFiguraNaFalha.
class DelegateSimbolo : public DelegateGrade {
public:
    DelegateSimbolo(bool semFiguraNaFalha, QObject *parent = nullptr)
        : DelegateGrade(parent)
        , m_semFigura(semFiguraNaFalha)
    {
    }
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The picture a cell with that path shows (null: none).
    QPixmap figura(const QString &caminho) const;

private:
    bool m_semFigura;
};
