#include "stays/EntregaFiscal.h"
#include "base/Caminhos.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <algorithm>

namespace EntregaFiscal {

namespace {

// Windows-1252 codes 0x80-0x9F.
const char16_t kAlto[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QString kDestinoPdv = QStringLiteral("PDV");
const QString kDestinoNfce = QStringLiteral("NFCE");
const QString kSemCliente = QStringLiteral("000.000.000-00");

QString dataMDA(const QDate &d) { return d.toString(QStringLiteral("MM/dd/yyyy")); }
QString dataDMA(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

// The stay's row locked until the caller's transaction ends: a second
// workstation handing the same stay over waits here, then sees the first one's
// record.
void travarEstadia(ConexaoBanco &conexao, qint64 idEntrada)
{
    conexao.ler(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE ID_WALK_IN = ? WITH LOCK"), {idEntrada});
}

qint64 registros(ConexaoBanco &conexao, qint64 idEntrada, const QString &destino)
{
    return conexao
        .valor(QStringLiteral("SELECT COUNT(*) FROM ENTREGA_FISCAL WHERE ID_ENTRADA = ? AND DESTINO = ?"),
               {idEntrada, destino})
        .toLongLong();
}

bool registrado(ConexaoBanco &conexao, qint64 idEntrada, const QString &destino, qint64 documento)
{
    return !conexao
                .ler(QStringLiteral("SELECT 1 FROM ENTREGA_FISCAL WHERE ID_ENTRADA = ? AND DESTINO = ? AND DOCUMENTO = ?"),
                     {idEntrada, destino, documento})
                .vazia();
}

void registrar(ConexaoBanco &conexao, qint64 idEntrada, const QString &destino, qint64 documento)
{
    const QDateTime agora = Relogio::agora();
    conexao.executar(QStringLiteral("INSERT INTO ENTREGA_FISCAL (ID_ENTRADA, DESTINO, DOCUMENTO, DATA, HORA, USUARIO) "
                                        "VALUES (?, ?, ?, ?, ?, ?)"),
                         {idEntrada, destino, documento, agora.date(), agora.time(),
                          Sessao::atual().login.left(10)});
}

QString mensagemErro(const std::exception &e) { return QString::fromUtf8(e.what()); }

// The control program's keys come from its generators. A database made
// before they existed gets them here, started past the highest key already
// stored (a workstation creating them at the same moment is harmless: both
// move the generator forward, keys only skip numbers).
void garantirGerador(ConexaoBanco &ctl, const QString &gerador, const QString &tabela, const QString &chave)
{
    const bool existe = !ctl.ler(QStringLiteral("SELECT 1 FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = ?"),
                                 {gerador})
                             .vazia();
    if (existe)
        return;
    try {
        ctl.emTransacao([&] { ctl.executar(QStringLiteral("CREATE SEQUENCE %1").arg(gerador)); });
    } catch (const ErroBanco &) {
        // Created meanwhile by another workstation.
    }
    ctl.emTransacao([&] {
        const qint64 maior =
            ctl.valor(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(chave, tabela)).toLongLong();
        if (maior > 0)
            ctl.valor(QStringLiteral("SELECT GEN_ID(%1, %2) FROM RDB$DATABASE").arg(gerador).arg(maior));
    });
}

} // namespace

QByteArray paraCp1252(const QString &texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r.append(char(u));
            continue;
        }
        const auto *p = std::find(std::begin(kAlto), std::end(kAlto), u);
        r.append(p != std::end(kAlto) ? char(0x80 + (p - std::begin(kAlto))) : '?');
    }
    return r;
}

QString md5(const QString &texto)
{
    return QString::fromLatin1(QCryptographicHash::hash(paraCp1252(texto), QCryptographicHash::Md5).toHex()).toUpper();
}

QString textoValor(Dinheiro v)
{
    QString t = v.sql();
    if (t.endsWith(QLatin1String(".00")))
        t.chop(3);
    else if (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

QString descricaoConsumo(qint64 idEntrada) { return QStringLiteral("CONSUMO HOSPEDAGEM N° %1").arg(idEntrada); }
QString descricaoHospedagem(qint64 idEntrada) { return QStringLiteral("HOSPEDAGEM N° %1").arg(idEntrada); }

Orcamento montarOrcamento(const ExtratoConta::Extrato &x, qint64 codigo, const QDateTime &agora)
{
    const ExtratoConta::Estadia &e = x.estadia;
    Orcamento o;
    o.codigo = codigo;
    o.emissao = agora.date();
    o.hora = agora.time();
    o.codCliente = QString::number(e.idCliente);
    o.nomeCliente = e.nomeCliente.left(50);
    o.valor = pagamentos(e);
    o.obs = QStringLiteral("HOS %1").arg(e.id);

    QList<ExtratoConta::LinhaExtrato> noites;
    QList<ExtratoConta::LinhaExtrato> consumo;
    for (const ExtratoConta::LinhaExtrato &l : x.linhas)
        (l.noite ? noites : consumo) << l;
    auto porChave = [](const ExtratoConta::LinhaExtrato &a, const ExtratoConta::LinhaExtrato &b) { return a.id < b.id; };
    std::sort(noites.begin(), noites.end(), porChave);
    std::sort(consumo.begin(), consumo.end(), porChave);

    const QString hoje = dataDMA(o.emissao);
    const QString cod = QString::number(codigo);
    int controle = 0;
    auto item = [&](qint64 produto, qint64 qtd, Dinheiro preco, Dinheiro total, const QString &descricao,
                    const QString &sitTribut) {
        ItemOrcamento i;
        i.controle = ++controle;
        i.codProduto = produto;
        i.qtde = qtd;
        i.preco = preco;
        i.total = total;
        i.descricao = descricao;
        i.hash = md5(cod + QString::number(i.controle) + hoje + QString::number(produto) + descricao
                     + QString::number(qtd) + QStringLiteral("UN") + textoValor(preco) + textoValor(total) + sitTribut
                     + QStringLiteral("N"));
        o.itens << i;
    };
    // A night: product 1 "DIARIA", tax situation 17.
    for (const ExtratoConta::LinhaExtrato &l : noites)
        item(1, 1, l.valorUnit, l.valorUnit, QStringLiteral("DIARIA"), QStringLiteral("17"));
    // A consumption line at quantity × unit price, without its service fee.
    for (const ExtratoConta::LinhaExtrato &l : consumo)
        item(l.idPS, l.qtd, l.valorUnit, l.valorUnit * l.qtd, l.descricaoProduto.left(60), l.sitTribut);
    o.hash = md5(cod + QStringLiteral("1") + o.nomeCliente + o.codCliente + dataMDA(o.emissao) + textoValor(o.valor));
    return o;
}

Dinheiro pagamentos(const ExtratoConta::Estadia &e)
{
    return e.dinheiro + e.visa + e.master + e.hiper + e.cheque + e.nota + e.debVisa + e.debMaster;
}

PedidoControle montarPedido(const ExtratoConta::Extrato &x, bool apenasConsumo)
{
    const ExtratoConta::Estadia &e = x.estadia;
    PedidoControle p;
    QList<ExtratoConta::LinhaExtrato> consumo;
    for (const ExtratoConta::LinhaExtrato &l : x.linhas)
        if (!l.noite)
            consumo << l;
    std::sort(consumo.begin(), consumo.end(),
              [](const ExtratoConta::LinhaExtrato &a, const ExtratoConta::LinhaExtrato &b) { return a.id < b.id; });
    Dinheiro somaConsumo;
    for (const ExtratoConta::LinhaExtrato &l : consumo) {
        p.itens << ItemPedido{l.idPS, l.descricaoProduto.left(90), l.qtd, l.valorUnit};
        somaConsumo += l.valorUnit * l.qtd;
    }
    if (apenasConsumo) {
        p.descricao = descricaoConsumo(e.id);
        p.valor = somaConsumo;
    } else {
        // The whole stay: what it was paid, with its discount and addition.
        p.descricao = descricaoHospedagem(e.id);
        p.valor = pagamentos(e);
        p.desconto = e.desconto;
        p.acrescimo = e.acrescimo;
    }
    p.codCliente = QString::number(e.idCliente).rightJustified(4, QLatin1Char('0'));
    return p;
}

// ------------------------------------------------------------ Cupom Fiscal

Resultado cupomFiscal(ConexaoBanco &conexao, const ExtratoConta::Extrato &x)
{
    const qint64 id = x.estadia.id;
    if (!tParametros().sim(QStringLiteral("UTILIZA_FISCAL"))) {
        if (!abrirRotinasFiscais) {
            Mensagem::aviso(kMsgSemRotinas);
            return Resultado::Recusado;
        }
        abrirRotinasFiscais(id);
        return Resultado::RotinasFiscais;
    }

    ConexaoBanco &pdv = DM->ConexaoPDV;
    pdv.garantirConectada();
    const QString obs = QStringLiteral("HOS %1").arg(id);
    // An earlier document of this stay: recorded here, or found in the point
    // of sale (a hand-over whose record failed is recorded now).
    const Linha noPdv =
        pdv.ler(QStringLiteral("SELECT FIRST 1 CODIGO FROM ORCAMENTO WHERE OBS = ? ORDER BY CODIGO DESC"), {obs});
    if (!noPdv.vazia()) {
        const qint64 doc = noPdv.inteiro(QStringLiteral("CODIGO"));
        conexao.emTransacao([&] {
            travarEstadia(conexao, id);
            if (!registrado(conexao, id, kDestinoPdv, doc))
                registrar(conexao, id, kDestinoPdv, doc);
        });
    }
    const qint64 vistos = registros(conexao, id, kDestinoPdv);
    if (vistos > 0) {
        const qint64 ultimo =
            conexao
                .valor(QStringLiteral("SELECT MAX(DOCUMENTO) FROM ENTREGA_FISCAL WHERE ID_ENTRADA = ? AND DESTINO = ?"),
                       {id, kDestinoPdv})
                .toLongLong();
        if (!Mensagem::pergunta(kPerguntaReenvio.arg(id).arg(ultimo), {}, Mensagem::Nao))
            return Resultado::Cancelado;
    }

    bool outraEstacao = false;
    bool gravado = false;
    Orcamento o;
    try {
        conexao.emTransacao([&] {
            travarEstadia(conexao, id);
            if (!gravado && registros(conexao, id, kDestinoPdv) != vistos) {
                outraEstacao = true;
                return;
            }
            if (!gravado) {
                pdv.emTransacao([&] {
                    o = montarOrcamento(x, pdv.gerador(QStringLiteral("GEN_ORCAMENTO_ID"), 1), Relogio::agora());
                    pdv.executar(
                        QStringLiteral("INSERT INTO ORCAMENTO (CODIGO, DTEMISSAO, CODCLIENTE, NOMECLIENTE, CODVENDEDOR, "
                                       "DESCONTO, VALOR, TOTALCUSTO, OBS, NUMERO_DAV, VALIDADE, SITUACAO, FLAG, HORA, HASH) "
                                       "VALUES (?, ?, ?, ?, 1, 0, ?, 0, ?, ?, ?, 'A', '0', ?, ?)"),
                        {o.codigo, o.emissao, o.codCliente, o.nomeCliente, o.valor.paraBanco(),
                         o.obs, o.codigo, o.emissao, o.hora, o.hash});
                    for (const ItemOrcamento &i : o.itens)
                        pdv.executar(QStringLiteral("INSERT INTO ITEMORCAMENTO (CODIGO, CONTROLE, CODPRODUTO, QTDE, PRECO, "
                                                    "TOTALITEN, CUSTO, TABELA, DESCRICAO, MAODEOBRA, CANCELADO, HASH) "
                                                    "VALUES (?, ?, ?, ?, ?, ?, 0, 'V', ?, 'N', 'N', ?)"),
                                     {o.codigo, i.controle, i.codProduto, i.qtde, i.preco.paraBanco(),
                                      i.total.paraBanco(), i.descricao, i.hash});
                });
                gravado = true;
            }
            registrar(conexao, id, kDestinoPdv, o.codigo);
        });
    } catch (const std::exception &e) {
        if (!gravado)
            throw;
        Mensagem::erro(kMsgRegistroFalhou.arg(QStringLiteral("O Zentro PDV")).arg(o.codigo).arg(mensagemErro(e)));
        ProgramaCompanheiro::abrirZentroPDV();
        return Resultado::Enviado;
    }
    if (outraEstacao) {
        Mensagem::aviso(kMsgOutraEstacao);
        return Resultado::JaEnviado;
    }
    ProgramaCompanheiro::abrirZentroPDV();
    return Resultado::Enviado;
}

// ------------------------------------------------------------ NFC-e

Resultado nfce(ConexaoBanco &conexao, const ExtratoConta::Extrato &x)
{
    const qint64 id = x.estadia.id;
    const QString modo = tParametros().texto(QStringLiteral("NFCE_AP_PROD"));
    const bool apenasConsumo = modo == QLatin1String("S");
    if (!apenasConsumo && modo != QLatin1String("N"))
        return Resultado::Recusado;
    const PedidoControle p = montarPedido(x, apenasConsumo);
    if (apenasConsumo && p.itens.isEmpty()) {
        Mensagem::aviso(kMsgSemConsumo);
        return Resultado::Recusado;
    }

    ConexaoBanco &ctl = DM->ConexaoZentroControle;
    ctl.garantirConectada();
    garantirGerador(ctl, QStringLiteral("GEN_ID_PEDIDO"), QStringLiteral("PEDIDO"), QStringLiteral("ID_PEDIDO"));
    garantirGerador(ctl, QStringLiteral("GEN_ID_RECEBER"), QStringLiteral("RECEBER"), QStringLiteral("ID_RECEBER"));
    bool jaPreparada = false;
    bool gravado = false;
    qint64 pedido = 0;
    try {
        conexao.emTransacao([&] {
            travarEstadia(conexao, id);
            if (!gravado) {
                jaPreparada = false;
                pedido = 0;
                ctl.emTransacao([&] {
                    const Linha r = ctl.ler(
                        QStringLiteral("SELECT FIRST 1 ID_PEDIDO FROM RECEBER WHERE (DESCRICAO = ? OR DESCRICAO = ?) "
                                       "AND EXCLUIDO = 'N' ORDER BY ID_RECEBER DESC"),
                        {descricaoHospedagem(id), descricaoConsumo(id)});
                    if (!r.vazia()) {
                        jaPreparada = true;
                        pedido = r.inteiro(QStringLiteral("ID_PEDIDO"));
                        return;
                    }
                    const QDateTime agora = Relogio::agora();
                    const QDate hoje = agora.date();
                    const QString usuario = Sessao::atual().login;
                    pedido = ctl.gerador(QStringLiteral("GEN_ID_PEDIDO"), 1);
                    ctl.executar(QStringLiteral("INSERT INTO PEDIDO (ID_PEDIDO, TALAO, MAQUINA, ID_FUNCIONARIO, COMISSAO, "
                                                "ENTREGUE, DATA_PEDIDO, HORA, DATA_ENTREGA, FORMA_PAG, USUARIO) "
                                                "VALUES (?, 0, 1, ?, 0, 'S', ?, ?, ?, 'V', ?)"),
                                 {pedido, kSemCliente, hoje, agora.time(), hoje, usuario});
                    for (const ItemPedido &i : p.itens)
                        ctl.executar(QStringLiteral("INSERT INTO PRODUTO_CONJUNTO_PEDIDO (ID_PEDIDO, ID_PRODUTO, DESCRICAO, "
                                                    "QTD, VALOR, ID_COR, ID_ESTOFADO, CUSTO, LUCRO, DATA_LANCAMENTO) "
                                                    "VALUES (?, ?, ?, ?, ?, 1, 1, 0, 0, ?)"),
                                     {pedido, i.idProduto, i.descricao, i.qtd, i.valor.paraBanco(), hoje});
                    const Linha cli = ctl.ler(QStringLiteral("SELECT ID_CLIENTE FROM CLIENTE WHERE COD_CLIENTE = ?"),
                                              {p.codCliente});
                    const QString idCliente = cli.texto(QStringLiteral("ID_CLIENTE")).trimmed().isEmpty()
                                                  ? kSemCliente
                                                  : cli.texto(QStringLiteral("ID_CLIENTE"));
                    const qint64 receber = ctl.gerador(QStringLiteral("GEN_ID_RECEBER"), 1);
                    ctl.executar(QStringLiteral("INSERT INTO RECEBER (ID_RECEBER, ID_PEDIDO, SITUACAO, DESCRICAO, DATA_LANC, "
                                                "VALOR, DESCONTO, ACRESCIMO, ID_CLIENTE, ID_DEPENDENTE, CREDIARIO) "
                                                "VALUES (?, ?, 'O', ?, ?, ?, ?, ?, ?, 0, 'N')"),
                                 {receber, pedido, p.descricao, hoje, p.valor.paraBanco(), p.desconto.paraBanco(),
                                  p.acrescimo.paraBanco(), idCliente});
                    ctl.executar(QStringLiteral("INSERT INTO RECEBER_DETALHE (ID_RECEBER, VALOR, DATA_VENC, FORMA_PAG, "
                                                "USUARIO, DRE, TIPO_CRED, COMPUTAR, CREDIARIO, MAQUINA) "
                                                "VALUES (?, ?, ?, 'Dinheiro', ?, 'N', 'CREDIARIO', 'N', 'N', 1)"),
                                 {receber, p.valor.paraBanco(), hoje, usuario});
                    ctl.executar(QStringLiteral("INSERT INTO NFE (ID_PEDIDO, NFCE) VALUES (?, 'S')"), {pedido});
                });
                gravado = !jaPreparada;
            }
            if (pedido > 0 && !registrado(conexao, id, kDestinoNfce, pedido))
                registrar(conexao, id, kDestinoNfce, pedido);
        });
    } catch (const std::exception &e) {
        if (!gravado)
            throw;
        Mensagem::erro(kMsgRegistroFalhou.arg(QStringLiteral("O Zentro Controle")).arg(pedido).arg(mensagemErro(e)));
        abrirZentroControle();
        return Resultado::Enviado;
    }
    if (jaPreparada) {
        Mensagem::aviso(kMsgJaPreparada);
        abrirZentroControle();
        return Resultado::JaEnviado;
    }
    Mensagem::info(kMsgSucessoNfce);
    abrirZentroControle();
    return Resultado::Enviado;
}

// ------------------------------------------------------------ launcher

QString caminhoZentroControle()
{
    return Caminhos::mapearWindows(QStringLiteral("C:\\Tevra\\Zentro Controle 5.exe"));
}

QString pastaZentroControle() { return Caminhos::mapearWindows(QStringLiteral("C:\\Tevra\\")); }

ProgramaCompanheiro::Resultado abrirZentroControle(qint64 *pid)
{
    using ProgramaCompanheiro::Resultado;
    const QString programa = caminhoZentroControle();
    const QList<qint64> rodando = ProgramaCompanheiro::emExecucao(programa);
    if (!rodando.isEmpty()) {
        ProgramaCompanheiro::trazerParaFrente(QStringLiteral("Zentro Controle 5"));
        if (pid)
            *pid = rodando.first();
        return Resultado::JaEmExecucao;
    }
    if (!QFileInfo(programa).isFile()) {
        Mensagem::aviso(QStringLiteral("O programa Zentro Controle 5 não foi encontrado em:\n") + programa);
        return Resultado::NaoEncontrado;
    }
    if (!ProgramaCompanheiro::iniciar(programa, {QStringLiteral("0")}, pastaZentroControle(), pid)) {
        Mensagem::erro(QStringLiteral("Não foi possível iniciar o programa Zentro Controle 5:\n") + programa);
        return Resultado::FalhaAoIniciar;
    }
    return Resultado::Iniciado;
}

} // namespace EntregaFiscal
