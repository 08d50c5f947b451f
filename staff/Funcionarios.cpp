#include "staff/Funcionarios.h"

#include "base/Anulacao.h"
#include "base/Grade.h"
#include "base/Caminhos.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Funcionarios {

namespace {

// The financial status of one row, from the live entries of the employee.
const QString kStatusLista = QStringLiteral(
    "CASE WHEN EXISTS (SELECT 1 FROM FUNCIONARIO_PAGAMENTO FP WHERE FP.ID_FUNCIONARIO_PAGAMENTO = "
    "F.ID_FUNCIONARIO AND FP.EXCLUIDO = 'N' AND FP.DATA_PAG IS NULL AND FP.DATA_VENC < ?) THEN 'A' "
    "WHEN EXISTS (SELECT 1 FROM FUNCIONARIO_PAGAMENTO FP WHERE FP.ID_FUNCIONARIO_PAGAMENTO = "
    "F.ID_FUNCIONARIO AND FP.EXCLUIDO = 'N' AND FP.DATA_PAG IS NULL AND FP.DATA_VENC >= ?) THEN 'P' "
    "ELSE 'O' END AS AUXSTATUS");

QString selecaoLista()
{
    return QStringLiteral("SELECT F.*, ") + kStatusLista
        + QStringLiteral(" FROM FUNCIONARIO F WHERE F.ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO)");
}

Recusa recusa(const QString &mensagem, Campo foco) { return {mensagem, foco}; }

QString sn(bool b) { return b ? QStringLiteral("S") : QStringLiteral("N"); }

// Money typed in an edit: "1.500,00", "1500", "R$ 1.500,00"; nullopt when it
// is not money.
std::optional<Dinheiro> dinheiroDigitado(const QString &texto)
{
    if (texto.trimmed().isEmpty())
        return Dinheiro();
    return Dinheiro::deTexto(texto);
}

struct Limite {
    Campo campo;
    const char *rotulo;
    int maximo;
    QString Dados::*texto;
};

const Limite kLimites[] = {
    {Campo::Nome, "Funcionário:", 90, &Dados::nome},
    {Campo::Rg, "RG:", 20, &Dados::rg},
    {Campo::Ctps, "CTPS:", 10, &Dados::ctps},
    {Campo::Serie, "Série:", 10, &Dados::serie},
    {Campo::Endereco, "Endereço:", 100, &Dados::endereco},
    {Campo::Bairro, "Bairro:", 20, &Dados::bairro},
    {Campo::Cidade, "Cidade:", 30, &Dados::cidade},
    {Campo::Estado, "Estado:", 2, &Dados::estado},
    {Campo::Cep, "CEP:", 9, &Dados::cep},
    {Campo::Fone, "Telefone (1):", 20, &Dados::fone},
    {Campo::Fone2, "Telefone (2):", 20, &Dados::fone2},
    {Campo::Senha, "Senha para Marcação de Ponto Manual:", 10, &Dados::senhaPonto},
    {Campo::Observacao, "Observações:", 250, &Dados::observacao},
    {Campo::Sangue, "Tipo Sang.:", 3, &Dados::sangue},
    {Campo::Agencia, "Agência:", 10, &Dados::agencia},
    {Campo::Conta, "Número da Conta:", 10, &Dados::conta},
    {Campo::NomeCracha, "Nome no Crachá:", 16, &Dados::nomeCracha},
    {Campo::Funcao, "Função:", 16, &Dados::funcao},
};

bool cpfVazio(const QString &cpf) { return TiraPontoTracoBarra(cpf).trimmed().isEmpty(); }

// A row holding this CPF, deleted employees included (other than `exceto`).
bool cpfExiste(ConexaoBanco &conexao, const QString &cpf, qint64 exceto)
{
    return conexao
        .valor(QStringLiteral("SELECT FIRST 1 ID_FUNCIONARIO FROM FUNCIONARIO WHERE CPF = ? AND ID_FUNCIONARIO <> ?"),
               {cpf, exceto})
        .isValid();
}

bool verificaDuplicado(const Contexto &c, const QString &cpf)
{
    return c.modo == ModoEdicao::Incluir || cpf != c.cpfAnterior;
}

} // namespace

QString mensagemTextoLongo(const QString &rotulo, int maximo)
{
    return QStringLiteral("Texto Muito Longo em \"%1\"! Informe no máximo %2 caracteres.").arg(rotulo).arg(maximo);
}

// ------------------------------------------------------------------ list

const QString kSqlLista = selecaoLista() + QStringLiteral(" ORDER BY F.NOME");
const QString kSqlListaCodigo = selecaoLista() + QStringLiteral(" ORDER BY F.ID_FUNCIONARIO");
const QString kSqlFiltro = selecaoLista() + QStringLiteral(" AND %1 ORDER BY F.NOME");

Valores valoresLista(const QDate &hoje) { return {hoje, hoje}; }

std::optional<QColor> corStatus(const QString &status)
{
    if (status == QLatin1String("A"))
        return corBGR(kCorAtrasado);
    if (status == QLatin1String("P") || status == QLatin1String("V"))
        return corBGR(kCorAVencer);
    if (status == QLatin1String("O"))
        return corBGR(kCorOk);
    return std::nullopt;
}

// ------------------------------------------------------------------ record

QString digitosCpf(const QString &cpf)
{
    QString d;
    for (const QChar c : cpf) {
        if (c.isDigit())
            d += c;
        else if (!QStringView(u".-/(): ").contains(c))
            return {};
    }
    return d.size() == 11 ? d : QString();
}

Recusa verificar(ConexaoBanco &conexao, const Dados &d, const Contexto &c)
{
    if (d.nome.trimmed().isEmpty())
        return recusa(kMsgFuncionarioInvalido, Campo::Nome);
    if (c.verificarCpf == QLatin1String("S") && (cpfVazio(d.cpf) || !c.doc))
        return recusa(kMsgCpfInvalido, Campo::Cpf);
    // A CPF is always required, whole: it names the photo file and makes the
    // badge's code.
    if (cpfVazio(d.cpf) || digitosCpf(d.cpf).isEmpty())
        return recusa(kMsgCpfInvalido, Campo::Cpf);
    if (d.salario.trimmed().isEmpty())
        return recusa(kMsgSalarioInvalido, Campo::Salario);
    const std::optional<Dinheiro> salario = dinheiroDigitado(d.salario);
    if (!salario || salario->centavos() < 0 || salario->centavos() > 999'999'999'999'99LL)
        return recusa(kMsgSalarioNaoNumero, Campo::Salario);
    const std::optional<Dinheiro> inss = dinheiroDigitado(d.inss);
    if (!inss || inss->centavos() < 0 || inss->centavos() > 10000)
        return recusa(kMsgInssInvalido, Campo::Inss);
    if (d.rg.trimmed().isEmpty())
        return recusa(kMsgRgInvalido, Campo::Rg);
    for (const Limite &l : kLimites)
        if (contarCaracteres(d.*(l.texto)) > l.maximo)
            return recusa(mensagemTextoLongo(QString::fromUtf8(l.rotulo), l.maximo), l.campo);
    if (verificaDuplicado(c, d.cpf) && cpfExiste(conexao, d.cpf, c.modo == ModoEdicao::Alterar ? c.chave : 0))
        return recusa(kMsgCpfJaCadastrado, Campo::Cpf);
    return {};
}

QString mensagemSucesso(ModoEdicao modo, qint64 chave, const QString &nome)
{
    return QStringLiteral("Operação Executada com Sucesso!\n")
        + (modo == ModoEdicao::Incluir ? QStringLiteral("---(CADASTRO DE FUNCIONÁRIO)---\n")
                                       : QStringLiteral("---(ALTERAÇÂO DE FUNCIONÁRIO)---\n"))
        + QStringLiteral("    Código: ") + QString::number(chave) + QStringLiteral("\n    Nome: ") + nome;
}

Gravacao salvar(ConexaoBanco &conexao, const Dados &d, const Contexto &c)
{
    Gravacao g;
    if (c.modo == ModoEdicao::Ver)
        return g;
    g.recusa = verificar(conexao, d, c);
    if (g.recusa.recusado())
        return g;
    const Dinheiro salario = *dinheiroDigitado(d.salario);
    const Dinheiro inss = *dinheiroDigitado(d.inss);
    const QString foto = caminhoFoto(d.cpf);
    const QDate nascimento = d.nascimento.isValid() ? d.nascimento : QDate(1900, 1, 1);
    // Values in the order of the column lists below.
    Valores v{d.nome,   d.nomeCracha, d.cpf,      d.fone,     d.rg,          d.endereco,           d.bairro,
              d.cidade, d.estado,     d.cep,      d.fone2,    d.agencia,     d.conta,              d.senhaPonto.toLower(),
              d.observacao,           d.funcao,   sn(d.solicitaPonto),       sn(d.pontoSabado),    sn(d.pontoDomingo)};
    for (const QTime &t : d.turnos)
        v << t;
    v << d.cargaDia << d.cargaSabado << d.cargaDomingo << foto << d.ctps << d.serie << inss.paraBanco()
      << salario.paraBanco() << sn(d.camareira) << nascimento << d.sangue;
    const QString colunas = QStringLiteral(
        "NOME,NOME_CRACHA,CPF,FONE,RG,ENDERECO,BAIRRO,CIDADE,ESTADO,CEP,FONE_2,AGENCIA,CONTA,SENHA_PONTO,"
        "OBSERVACAO,FUNCAO,SOLICITA_PONTO,SOLICITA_PONTO_SAB,SOLICITA_PONTO_DOM,TURNO_1_ENT,TURNO_1_SAI,"
        "TURNO_2_ENT,TURNO_2_SAI,TURNO_3_ENT,TURNO_3_SAI,CARGA_HORARIA_DIA,CARGA_HORARIA_SAB,CARGA_HORARIA_DOM,"
        "FOTO,CTPS,SERIE,INSS,SALARIO_BASE,CAMAREIRA,NASCIMENTO,SANGUE");

    return conexao.emTransacao([&]() -> Gravacao {
        Gravacao r;
        if (verificaDuplicado(c, d.cpf)) {
            // Another workstation checking a CPF waits here until this one
            // ends, and then finds the row written.
            conexao.ler(QStringLiteral("SELECT ID_PARAMETROS FROM PARAMETROS WITH LOCK"));
            if (cpfExiste(conexao, d.cpf, c.modo == ModoEdicao::Alterar ? c.chave : 0)) {
                r.recusa = recusa(kMsgCpfJaCadastrado, Campo::Cpf);
                return r;
            }
        }
        if (c.modo == ModoEdicao::Incluir) {
            QString marcas;
            for (int i = 0; i < v.size(); ++i)
                marcas += i ? QStringLiteral(",?") : QStringLiteral("?");
            r.chave = conexao
                          .ler(QStringLiteral("INSERT INTO FUNCIONARIO(%1) VALUES (%2) RETURNING ID_FUNCIONARIO")
                                   .arg(colunas, marcas),
                               v)
                          .inteiro(QStringLiteral("ID_FUNCIONARIO"));
            RegistrarLog(conexao, QStringLiteral("Incluiu Funcionário -> Código ") + QString::number(r.chave)
                         + QStringLiteral(" (") + d.nome + QLatin1Char(')'));
        } else {
            QStringList sets;
            for (const QString &col : colunas.split(QLatin1Char(',')))
                sets << col + QStringLiteral(" = ?");
            const int n = conexao.executar(
                QStringLiteral("UPDATE FUNCIONARIO SET %1 WHERE ID_FUNCIONARIO = ? AND ID_FUNCIONARIO NOT IN "
                               "(SELECT ID_FUNCIONARIO FROM ANULACAO)")
                    .arg(sets.join(QLatin1Char(','))),
                v + Valores{c.chave});
            if (n != 1) {
                r.recusa = recusa(kMsgNaoEncontrado, Campo::Nenhum);
                return r;
            }
            r.chave = c.chave;
            RegistrarLog(conexao, QStringLiteral("Alterou Funcionário -> Código ") + QString::number(r.chave)
                         + QStringLiteral(" (") + d.nome + QLatin1Char(')'));
        }
        r.arquivoFoto = foto;
        r.mensagem = mensagemSucesso(c.modo, r.chave, d.nome);
        return r;
    });
}

bool excluir(ConexaoBanco &conexao, qint64 chave, const QString &nome)
{
    return conexao.emTransacao([&] {
        if (Anulacao::anulado(conexao, QStringLiteral("ID_FUNCIONARIO"), chave))
            return false;
        Anulacao::registrar(conexao, QStringLiteral("ID_FUNCIONARIO"), chave);
        RegistrarLog(conexao, QStringLiteral("Excluiu Funcionário -> Código ") + QString::number(chave) + QStringLiteral(" (")
                     + nome + QLatin1Char(')'));
        return true;
    });
}

// ------------------------------------------------------------------ photos

QString pastaFotos() { return Caminhos::naInstalacao(QStringLiteral("img\\func")); }

QString caminhoFoto(const QString &cpf)
{
    return Caminhos::naInstalacao(QStringLiteral("img\\func\\") + TiraPontoTracoBarra(cpf).trimmed()
                                  + QStringLiteral(".jpg"));
}

QImage fotoPadrao()
{
    QImage i(Caminhos::naInstalacao(QStringLiteral("img\\nofoto.jpg")));
    if (i.isNull()) {
        i = QImage(148, 186, QImage::Format_RGB32);
        i.fill(Qt::lightGray);
    }
    return i;
}

QImage lerFoto(const QString &arquivo)
{
    if (!arquivo.trimmed().isEmpty()) {
        const QImage i(arquivo);
        if (!i.isNull())
            return i;
    }
    return fotoPadrao();
}

bool gravarFoto(const QImage &foto, const QString &arquivo) { return gravarImagemJpeg(foto, arquivo); }

VisitaFotos::VisitaFotos(const QString &pasta) : m_pasta(pasta) {}

QString VisitaFotos::arquivo(const QString &digitos, const QString &sufixo) const
{
    return QDir(m_pasta).filePath(digitos + sufixo + QStringLiteral(".jpg"));
}

bool VisitaFotos::receberCaptura(const QString &digitos, const QString &arquivoJpg)
{
    if (digitos.isEmpty() || !QFile::exists(arquivoJpg))
        return false;
    QDir().mkpath(m_pasta);
    int &x = m_x[digitos];
    if (x == 0)
        x = 1;
    const QString atual = arquivo(digitos, {});
    if (QFile::exists(atual)) {
        const QString copia = arquivo(digitos, QStringLiteral("x") + QString::number(x));
        QFile::remove(copia);
        if (!QFile::rename(atual, copia))
            return false;
        ++x;
    }
    if (!QFile::rename(arquivoJpg, atual)) {
        // the capture stays where the camera wrote it; the photo goes back
        if (x > 1 && QFile::rename(arquivo(digitos, QStringLiteral("x") + QString::number(x - 1)), atual))
            --x;
        return false;
    }
    return true;
}

void VisitaFotos::restaurar(const QString &digitos)
{
    const QString x1 = arquivo(digitos, QStringLiteral("x1"));
    if (QFile::exists(x1)) {
        const QString xx = arquivo(digitos, QStringLiteral("xx"));
        const QString atual = arquivo(digitos, {});
        QFile::remove(xx);
        QFile::rename(x1, xx);
        QFile::rename(atual, x1);
        QFile::rename(xx, atual);
    }
    apagarCopias(digitos);
}

void VisitaFotos::apagarCopias(const QString &digitos)
{
    if (!QFile::exists(arquivo(digitos, QStringLiteral("x1"))))
        return;
    for (int n = 1; n <= proximo(digitos); ++n)
        QFile::remove(arquivo(digitos, QStringLiteral("x") + QString::number(n)));
}

void VisitaFotos::confirmar(const QString &digitosSalvos)
{
    for (auto it = m_x.cbegin(); it != m_x.cend(); ++it) {
        if (it.key() == digitosSalvos)
            apagarCopias(it.key());
        else
            restaurar(it.key());
    }
    m_x.clear();
}

void VisitaFotos::cancelar()
{
    for (auto it = m_x.cbegin(); it != m_x.cend(); ++it)
        restaurar(it.key());
    m_x.clear();
}

// ------------------------------------------------------------------ financial history

const QString kSqlFinanceiro = QStringLiteral(
    "SELECT FP.COD_GERAL_F_P, FP.ID_FUNCIONARIO_PAGAMENTO, FP.DATA_VENC, FP.TIPO, FP.DESCRICAO, FP.VALOR, "
    "FP.DATA_PAG, F.NOME, F.SALARIO_BASE, F.INSS, "
    "CASE WHEN FP.DATA_PAG IS NOT NULL THEN 'O' WHEN FP.DATA_VENC < ? THEN 'A' ELSE 'V' END AS AUXSTATUS "
    "FROM FUNCIONARIO_PAGAMENTO FP JOIN FUNCIONARIO F ON FP.ID_FUNCIONARIO_PAGAMENTO = F.ID_FUNCIONARIO "
    "WHERE FP.EXCLUIDO = 'N' AND F.ID_FUNCIONARIO = ? ORDER BY FP.DATA_VENC, FP.DATA_PAG, FP.COD_GERAL_F_P");

Valores valoresFinanceiro(qint64 chave, const QDate &hoje) { return {hoje, chave}; }

Totais totais(ConexaoBanco &conexao, qint64 chave)
{
    const Linha l = conexao.ler(
        QStringLiteral("SELECT "
                       "SUM(CASE WHEN DATA_PAG IS NULL THEN CASE WHEN TIPO = '-' THEN -VALOR ELSE VALOR END END) "
                       "AS A_PAGAR, "
                       "SUM(CASE WHEN DATA_PAG IS NOT NULL THEN CASE WHEN TIPO = '-' THEN -VALOR ELSE VALOR END END) "
                       "AS PAGO "
                       "FROM FUNCIONARIO_PAGAMENTO WHERE ID_FUNCIONARIO_PAGAMENTO = ? AND EXCLUIDO = 'N'"),
        {chave});
    return {l.dinheiro(QStringLiteral("A_PAGAR")), l.dinheiro(QStringLiteral("PAGO"))};
}

QString textoAPagar(const Dinheiro &d)
{
    return QStringLiteral("Valor Total a Pagar ou Descontar: R$ ") + d.formatado();
}

QString textoPago(const Dinheiro &d)
{
    return QStringLiteral("Valor Total Já Pago ou Descontado: R$ ") + d.formatado();
}

// ------------------------------------------------------------------ reads of the other staff screens

const QString kCondicaoVivos =
    QStringLiteral("ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO)");

Linha porChave(ConexaoBanco &conexao, qint64 chave, bool incluirExcluidos)
{
    return conexao.ler(QStringLiteral("SELECT * FROM FUNCIONARIO WHERE ID_FUNCIONARIO = ?")
                               + (incluirExcluidos ? QString() : QStringLiteral(" AND ") + kCondicaoVivos),
                           {chave});
}

QString codigoCracha(const QString &cpf)
{
    const QString d = digitosCpf(cpf);
    return d.isEmpty() ? QString() : QStringLiteral("0") + d;
}

Linha porCracha(ConexaoBanco &conexao, const QString &codigo)
{
    const QString c = codigo.trimmed();
    if (c.size() != 12 || !c.startsWith(QLatin1Char('0')))
        return {};
    for (const QChar ch : c)
        if (!ch.isDigit())
            return {};
    const QString d = c.mid(1);
    // The CPF is stored as typed through its mask; rows written by other
    // tools may hold the bare digits.
    const QString mascarado =
        d.mid(0, 3) + QLatin1Char('.') + d.mid(3, 3) + QLatin1Char('.') + d.mid(6, 3) + QLatin1Char('-') + d.mid(9, 2);
    return conexao.ler(QStringLiteral("SELECT FIRST 1 * FROM FUNCIONARIO WHERE CPF IN (?, ?) AND ")
                               + kCondicaoVivos + QStringLiteral(" ORDER BY ID_FUNCIONARIO"),
                           {mascarado, d});
}

} // namespace Funcionarios
