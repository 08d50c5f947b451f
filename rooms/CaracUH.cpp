#include "rooms/CaracUH.h"
#include "base/Anulacao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

namespace CaracUH {

const QString kSqlLista = QStringLiteral(
    "SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) ORDER BY DESCRICAO");
const QString kSqlListaPorCodigo = QStringLiteral(
    "SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) ORDER BY ID_CARAC_UH");
const QString kSqlFiltro = QStringLiteral(
    "SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) AND %1 ORDER BY DESCRICAO");

namespace {

bool descricaoExiste(ConexaoBanco &conexao, const QString &descricao)
{
    return conexao.valor(QStringLiteral("SELECT FIRST 1 ID_CARAC_UH FROM CARAC_UH WHERE DESCRICAO = ?"),
                             {descricao})
        .isValid();
}

bool violouUnico(const ErroBanco &e)
{
    return e.codigo() == QLatin1String("-803") || e.texto().contains(QLatin1String("UNIQUE KEY"));
}

} // namespace

Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const QString &descricaoAtual, const Dados &d)
{
    Resultado r;
    const QString descricao = d.descricao.trimmed();
    if (descricao.isEmpty() || descricao.size() > kTamDescricao || d.sigla.trimmed().size() > kTamSigla) {
        r.mensagem = kMsgDescricaoInvalida;
        r.foco = Campo::Descricao;
        return r;
    }
    const QString simbolo = limparCaminho(d.simbolo);
    if (simbolo.size() > kTamSimbolo) {
        r.mensagem = kMsgSimboloLongo;
        r.foco = Campo::Simbolo;
        return r;
    }
    if (modo == ModoEdicao::Ver)
        return r;
    const QString sigla = d.sigla.trimmed();
    const bool testar = modo == ModoEdicao::Incluir || descricao != descricaoAtual;
    bool duplicada = false;
    try {
        duplicada = conexao.emTransacao([&] {
            if (testar && descricaoExiste(conexao, descricao))
                return true;
            if (modo == ModoEdicao::Incluir) {
                conexao.executar(
                    QStringLiteral("INSERT INTO CARAC_UH (ID_CARAC_UH, DESCRICAO, SIGLA, SIMBOLO) VALUES (?, ?, ?, ?)"),
                    {chave, descricao, sigla, simbolo});
                RegistrarLog(conexao, QStringLiteral("Incluiu Característica de UH -> Código %1 (%2)").arg(chave).arg(descricao));
            } else {
                const int n = conexao.executar(
                    QStringLiteral("UPDATE CARAC_UH SET DESCRICAO = ?, SIGLA = ?, SIMBOLO = ? WHERE ID_CARAC_UH = ?"),
                    {descricao, sigla, simbolo, chave});
                if (n != 1)
                    throw ErroSistema(QStringLiteral("A Característica %1 Não Existe Mais!").arg(chave));
                RegistrarLog(conexao, QStringLiteral("Alterou Característica de UH -> Código %1 (%2)").arg(chave).arg(descricao));
            }
            return false;
        });
    } catch (const ErroBanco &e) {
        // another workstation stored the same name between the test and the write
        if (!violouUnico(e))
            throw;
        duplicada = true;
    }
    if (duplicada) {
        r.mensagem = kMsgDuplicada;
        r.foco = Campo::Descricao;
        return r;
    }
    r.salvo = true;
    r.mensagem = modo == ModoEdicao::Incluir ? kMsgCadastrada : kMsgAlterada;
    return r;
}

void excluir(ConexaoBanco &conexao, qint64 chave, const QString &descricao)
{
    conexao.emTransacao([&] {
        Anulacao::registrar(conexao, QStringLiteral("ID_CARAC_UH"), chave);
        RegistrarLog(conexao, QStringLiteral("Excluiu Característica de UH -> Código %1 (%2)").arg(chave).arg(descricao));
    });
}

QString limparCaminho(const QString &caminho)
{
    QString c = caminho.trimmed();
    if (c.size() >= 2 && c.startsWith(QLatin1Char('"')) && c.endsWith(QLatin1Char('"')))
        c = c.mid(1, c.size() - 2);
    return c;
}

std::optional<QPixmap> carregarSimbolo(const QString &caminho)
{
    if (caminho.trimmed().isEmpty())
        return std::nullopt;
    const QFileInfo info(caminho);
    if (!info.isFile())
        return std::nullopt;
    // Read again when the file changes; a moved or broken file is never cached.
    const QString chave = QStringLiteral("simbolo:") + info.absoluteFilePath() + QLatin1Char(':')
                          + QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(':')
                          + QString::number(info.size());
    QPixmap p;
    if (QPixmapCache::find(chave, &p))
        return p;
    QImageReader leitor(caminho);
    leitor.setDecideFormatFromContent(true);
    const QImage img = leitor.read();
    if (img.isNull())
        return std::nullopt;
    p = QPixmap::fromImage(img);
    QPixmapCache::insert(chave, p);
    return p;
}

QPixmap simboloPadrao()
{
    static const QPixmap p = [] {
        QPixmap f(16, 16);
        f.fill(Qt::transparent);
        QPainter pt(&f);
        pt.setRenderHint(QPainter::Antialiasing);
        pt.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        pt.setBrush(QColor(0xE8, 0xE8, 0xE8));
        pt.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
        pt.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
        pt.drawLine(QPointF(5, 8), QPointF(11, 8));
        return f;
    }();
    return p;
}

} // namespace CaracUH

QPixmap DelegateSimbolo::figura(const QString &caminho) const
{
    if (caminho.trimmed().isEmpty())
        return CaracUH::simboloPadrao();
    if (const auto p = CaracUH::carregarSimbolo(caminho))
        return *p;
    return m_semFigura ? QPixmap() : CaracUH::simboloPadrao();
}

void DelegateSimbolo::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    o.text.clear();
    const QWidget *w = option.widget;
    QStyle *estilo = w ? w->style() : nullptr;
    if (estilo)
        estilo->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    QPixmap f = figura(index.data(Qt::EditRole).toString());
    if (f.isNull())
        return;
    const QRect r = option.rect;
    // a picture taller or wider than the cell is shrunk to fit it
    if (f.width() > r.width() || f.height() > r.height())
        f = f.scaled(r.size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int x = r.left() + (r.width() - f.width()) / 2;
    const int y = r.top() + (r.height() - f.height()) / 2;
    p->drawPixmap(x, y, f);
}
