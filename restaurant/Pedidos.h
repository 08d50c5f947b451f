#pragma once
// The order panel's rules, without widgets: how a typed code finds a product
// (menu code, short code, bar code, scale code), the quantity and the total,
// the kitchen box's lines and storing an order line on a table's opening.
#include "base/Dinheiro.h"
#include "base/UnitDM.h"
#include "restaurant/Mesas.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace Pedidos {

inline const QString kMsgProdutoInvalido = QStringLiteral("Produto Inválido");
inline const QString kMsgQuantidadeInvalida = QStringLiteral("Quantidade Inválida");
inline const QString kMsgErroBalanca = QStringLiteral("Erro na Leitura do Peso da Balança!");
inline const QString kMsgSemBalancaSelf = QStringLiteral(
    "Código de Balança (Self-Service) Não cadastrado nos parâmetros, entre em contato com o suporte Calvori!");
inline const QString kMsgSemBalancaSobremesa = QStringLiteral(
    "Código de Balança (Sobremesa) Não cadastrado nos parâmetros, entre em contato com o suporte Calvori!");
// "Produto " + the code field's text + this.
inline const QString kMsgProdutoBalancaAusente =
    QStringLiteral(" Não Encontrado no cadastro, entre em contato com o suporte Calvori!");
inline const QString kTituloIncluir = QStringLiteral("Incluir Consumo: ");
inline const QString kTotalZero = QStringLiteral("Valor Total R$ 0,00");

// A live product as the panel's list holds it.
struct Produto {
    qint64 id = 0;
    QString descricao;
    QString valorVenda;   // exact text of VALOR_VENDA ("69.9000")
    QString servico, preparar, prepararAcomp;
    // "12/FRANGO GRELHADO COM SALADA"
    QString legenda() const { return QString::number(id) + QLatin1Char('/') + descricao; }
    // The unit value as the panel shows it, "#,##0.00".
    QString valorTexto() const;
    bool vaiParaCozinha() const
    {
        return preparar == QLatin1String("S") || prepararAcomp == QLatin1String("S");
    }
};

// Every live product, ordered by name.
QList<Produto> lerProdutos(ConexaoBanco &conexao);
std::optional<Produto> lerProduto(ConexaoBanco &conexao, qint64 id);

// What a typed code means (the rules of Enter in the code field).
struct Escolha {
    enum class Regra { Referencia, Balanca, Curto, CodigoBarras } regra = Regra::Curto;
    std::optional<qint64> produto; // the product chosen, if any
    qint64 chaveBalanca = 0;       // Balanca: the key after "B" (0 when not a number)
};
// Reads the database for every rule but the scale: for a "B" code only the
// key is taken apart (the reading is the screen's).
Escolha interpretarCodigo(ConexaoBanco &conexao, const QString &codigo);

// A quantity typed on the panel, in ten-thousandths ("0,456" -> 4560,
// "1.234,5" -> 12345000). Nothing for a text that is not a number; a
// negative or zero quantity is returned as it is (the caller refuses it).
std::optional<qint64> lerQuantidade(const QString &texto);
// Ten-thousandths back to SQL text: 4560 -> "0.456".
QString quantidadeSql(qint64 decimilesimos);

// The total line for the quantity and unit-value texts as the panel shows
// them: "Valor Total R$ 31,87"; "Valor Total R$ 0,00" when either is zero,
// empty or not a number.
QString linhaTotal(const QString &qtd, const QString &valorUnit);

// The kitchen box's new lines for one order: the header only when the box is
// empty ("MESA 3 - 11/12/2026 10:15:00", plus " - " and the waiter's name
// when GARCON_IMP_COZINHA is "S"), the item ("2 FEIJOADA COMPLETA", take-away
// "2 VIA=FEIJOADA COMPLETA") and the note after two blanks.
QStringList linhasCozinha(const Mesas::Textos &t, bool caixaVazia, qint64 mesa, const QDateTime &agora,
                          bool comGarcon, const QString &garcon, const QString &qtd, const QString &produto,
                          bool viagem, const QString &nota);

struct Item {
    qint64 mesa = 0;
    qint64 idCheckIn = 0;  // the opening the panel shows
    qint64 produto = 0;
    QString qtd;           // as typed ("0,456")
    QString valorUnit;     // as shown ("69,90")
    bool viagem = false;
    QString obs;
};

struct Gravacao {
    bool gravado = false;
    QString mensagem;      // the refusal
    bool focarQtd = false; // the refusal is the quantity's
    qint64 id = 0;
};

// Stores the line on the opening the table still holds (locked and checked
// in the same transaction), with the packaging fee of the settings, and
// sets the table's AGUARDANDO_PAG to "N". A quantity that is not a number
// or not above zero is refused with "Quantidade Inválida".
Gravacao incluir(ConexaoBanco &conexao, const Mesas::Textos &t, const Item &l, const QDateTime &agora);

} // namespace Pedidos
