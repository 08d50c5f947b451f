#pragma once
// Employees without widgets: the confirm chain, insert, alteration and
// deletion of the employee record and list (each with its log line in one
// transaction), the photo files of one record visit with their numbered
// backups, the list's financial status, one employee's financial history,
// and the reads the other staff screens rely on: an employee by key and by
// the code printed on the badge ("0" and the 11 CPF digits).
#include "base/TelaEdicao.h"
#include "base/UnitDM.h"

#include <QColor>
#include <QDate>
#include <QImage>
#include <QMap>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

namespace Funcionarios {

// ------------------------------------------------------------------ messages
inline const QString kMsgFuncionarioInvalido = QStringLiteral("Funcionário Inválido!");
inline const QString kMsgCpfInvalido = QStringLiteral("CPF Inválido!");
inline const QString kMsgSalarioInvalido = QStringLiteral("Salário Inválido!");
inline const QString kMsgRgInvalido = QStringLiteral("Número do R.G. Inválido!");
inline const QString kMsgCpfJaCadastrado =
    QStringLiteral("O Funcionário com este CPF Já Está Cadastrado ou Já Foi Excluído do Sistema!");
inline const QString kMsgConfirmaExclusao = QStringLiteral("Deseja Realmente Excluir esse Funcionário?");
inline const QString kMsgExcluido = QStringLiteral("Funcionário Excluído com Sucesso!");
// Bad input, refused before anything is written.
inline const QString kMsgSalarioNaoNumero =
    QStringLiteral("Salário Inválido! Informe um valor em reais, como 1.500,00.");
inline const QString kMsgInssInvalido =
    QStringLiteral("Desconto INSS Inválido! Informe um percentual de 0,00 a 100,00.");
inline const QString kMsgNaoEncontrado =
    QStringLiteral("Funcionário Não Encontrado! Ele Pode Ter Sido Excluído em Outra Estação.");
// "Texto Muito Longo em "Observações:"! Informe no máximo 250 caracteres."
QString mensagemTextoLongo(const QString &rotulo, int maximo);

// The CPF edit's empty mask.
inline const QString kCpfVazio = QStringLiteral("   .   .   -  ");

// ------------------------------------------------------------------ list
// The live employees with the one-letter financial status AUXSTATUS ("A" an
// unpaid live entry past its due date, "P" unpaid entries still to fall due,
// "O" none), worked out by the same statement for every row. The statements
// hold two "?" for today before their condition (valoresLista).
extern const QString kSqlLista;        // ordered by NOME
extern const QString kSqlListaCodigo;  // "Mostrar Todos  os Funcionários": ordered by ID_FUNCIONARIO
extern const QString kSqlFiltro;       // "%1" takes the search condition
Valores valoresLista(const QDate &hoje);

// Legend colours ($BBGGRR) of the list and of the financial history.
constexpr quint32 kCorAtrasado = 0x2222FF;
constexpr quint32 kCorOk = 0x9FFF9F;
constexpr quint32 kCorAVencer = 0xA4FFF3;
// The colour of a list status ("A", "P", "O") or of a history status ("A"
// late, "V" to fall due, "O" settled); none for anything else.
std::optional<QColor> corStatus(const QString &status);

// ------------------------------------------------------------------ record
struct Dados {
    QString nome;
    QString cpf;            // as the masked edit shows it: "529.982.247-25"
    QString rg;
    QString ctps;
    QString serie;
    QString endereco;
    QString bairro;
    QString cidade;
    QString estado;
    QString cep;
    QString fone;
    QString fone2;
    QString senhaPonto;     // stored in small letters
    QString observacao;
    QString sangue;
    QDate nascimento = QDate(1900, 1, 1);
    QString agencia;
    QString conta;
    QString salario = QStringLiteral("0,00"); // the edits' texts
    QString inss = QStringLiteral("0,00");
    QString nomeCracha;
    QString funcao;
    bool camareira = false;
    bool solicitaPonto = false;
    bool pontoSabado = false;
    bool pontoDomingo = false;
    // Entry and exit of turns 1 to 3 (00:00:00 both: not worked).
    std::array<QTime, 6> turnos{QTime(0, 0), QTime(0, 0), QTime(0, 0), QTime(0, 0), QTime(0, 0), QTime(0, 0)};
    QTime cargaDia = QTime(0, 0);
    QTime cargaSabado = QTime(0, 0);
    QTime cargaDomingo = QTime(0, 0);
};

enum class Campo {
    Nenhum, Nome, Cpf, Rg, Ctps, Serie, Endereco, Bairro, Cidade, Estado, Cep, Fone, Fone2, Senha,
    Observacao, Sangue, Agencia, Conta, Salario, Inss, NomeCracha, Funcao
};

struct Recusa {
    QString mensagem;
    Campo foco = Campo::Nenhum;
    bool recusado() const { return !mensagem.isEmpty(); }
};

struct Contexto {
    ModoEdicao modo = ModoEdicao::Incluir;
    QString verificarCpf;   // the setting VERIF_CPF_CNPJ
    bool doc = false;       // the record's Doc: the CPF passed its check when left
    qint64 chave = 0;       // the altered employee
    QString cpfAnterior;    // its stored CPF
};

// The CPF's 11 digits ("" when the text does not hold exactly 11).
QString digitosCpf(const QString &cpf);

// The confirm chain, in order: name, CPF (checked digits under
// VERIF_CPF_CNPJ "S"; always 11 digits), salary (required, money), INSS
// (0 to 100), RG, lengths of the texts, CPF already stored (deleted
// employees included; for an alteration only when the CPF changed).
Recusa verificar(ConexaoBanco &conexao, const Dados &d, const Contexto &c);

struct Gravacao {
    Recusa recusa;        // refused: nothing written
    qint64 chave = 0;     // the employee's key as stored
    QString arquivoFoto;  // FOTO as stored
    QString mensagem;     // the four-line success message
};

// Checks and writes the employee with its log line ("Incluiu Funcionário ->
// Código <key> (<name>)" / "Alterou Funcionário -> ...") in one transaction.
// The CPF check runs again under a lock, so two workstations never both store
// one CPF. An alteration of an employee deleted meanwhile is refused.
Gravacao salvar(ConexaoBanco &conexao, const Dados &d, const Contexto &c);

// "Operação Executada com Sucesso!" and the three lines that follow it.
QString mensagemSucesso(ModoEdicao modo, qint64 chave, const QString &nome);

// Records the deletion in ANULACAO and logs "Excluiu Funcionário -> Código
// <key> (<name>)". False when the employee was already deleted.
bool excluir(ConexaoBanco &conexao, qint64 chave, const QString &nome);

// ------------------------------------------------------------------ photos
// The folder of the employees' photos (img/func of the installation).
QString pastaFotos();
// The photo file of a CPF: img/func/<digits>.jpg (FOTO holds it).
QString caminhoFoto(const QString &cpf);
// The placeholder of a missing photo: img/nofoto.jpg, or a grey picture
// when even that file cannot be read.
QImage fotoPadrao();
// The employee's picture: FOTO when it can be read, else the placeholder.
QImage lerFoto(const QString &arquivo);
// Writes the picture shown by the record as the photo file (beside it
// first, then swapped in). False when it could not be written.
bool gravarFoto(const QImage &foto, const QString &arquivo);

// The photo files of one visit of the record screen. A capture becomes
// <digits>.jpg; a file that stood there is kept as <digits>x<n>.jpg (n from 1).
// Confirming deletes the kept files of the saved CPF; cancelling puts back
// the file that stood before the first capture of the visit (by way of
// <digits>xx.jpg) and deletes the others. A CPF changed after a capture is
// put back as on cancelling when the record is saved under another CPF.
class VisitaFotos {
public:
    explicit VisitaFotos(const QString &pasta = pastaFotos());
    // Moves the captured JPEG into place; false when it could not.
    bool receberCaptura(const QString &digitos, const QString &arquivoJpg);
    void confirmar(const QString &digitosSalvos);
    void cancelar();
    // The number of the next backup of these digits (1 before any).
    int proximo(const QString &digitos) const { return m_x.value(digitos, 1); }

private:
    QString arquivo(const QString &digitos, const QString &sufixo) const;
    void restaurar(const QString &digitos);
    void apagarCopias(const QString &digitos);

    QString m_pasta;
    QMap<QString, int> m_x;
};

// ------------------------------------------------------------------ financial history
// One employee's live entries (EXCLUIDO "N") by due date and payment date,
// with AUXSTATUS ("A" late, "V" to fall due, "O" settled). "?": today, key.
extern const QString kSqlFinanceiro;
Valores valoresFinanceiro(qint64 chave, const QDate &hoje);

// Credits minus discounts of the entries still open and of those settled.
struct Totais {
    Dinheiro aPagar;
    Dinheiro pago;
};
Totais totais(ConexaoBanco &conexao, qint64 chave);
// "Valor Total a Pagar ou Descontar: R$ 1.380,00" and "Valor Total Já Pago ou Descontado: R$ ..."
QString textoAPagar(const Dinheiro &d);
QString textoPago(const Dinheiro &d);

// ------------------------------------------------------------------ reads of the other staff screens
// The statement part that leaves deleted employees out (column ID_FUNCIONARIO).
extern const QString kCondicaoVivos;
// The employee's row (every column); empty when the key does not exist or,
// unless incluirExcluidos, when the employee was deleted.
Linha porChave(ConexaoBanco &conexao, qint64 chave, bool incluirExcluidos = false);
// The badge code of a CPF: "0" and its 11 digits; "" when it does not hold 11.
QString codigoCracha(const QString &cpf);
// The live employee whose badge carries this code; empty when none.
Linha porCracha(ConexaoBanco &conexao, const QString &codigo);

} // namespace Funcionarios
