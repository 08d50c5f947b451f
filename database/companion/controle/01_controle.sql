-- Control program's database: users, products with stock per colour and
-- upholstery, customers and the municipality codes that the exports
-- write and read, and the orders, receivables and NFC-e requests that a
-- guest's statement hands over.
-- Values arrive as quoted text (a few amounts unquoted); the column types
-- below convert them.

/* ------------------------------------------------------------------------
   USUARIO: users. A new row keeps the hotel password as typed; an existing
   one receives it scrambled (a two-digit seed and two hexadecimal digits
   per character).
   ------------------------------------------------------------------------ */
CREATE TABLE USUARIO (
  ID_USUARIO  INTEGER NOT NULL,
  LOGIN       VARCHAR(30),
  SENHA       VARCHAR(60),
  CONSTRAINT PK_USUARIO PRIMARY KEY (ID_USUARIO)
);

CREATE GENERATOR GEN_ID_USUARIO;

SET TERM ^ ;
CREATE TRIGGER USUARIO_BI FOR USUARIO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_USUARIO IS NULL) THEN NEW.ID_USUARIO = GEN_ID(GEN_ID_USUARIO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   PRODUTO: products and services. SALDO/SALDOF are stock quantities (may
   be negative); the price, margin and tax columns keep what the export
   writes.
   ------------------------------------------------------------------------ */
CREATE TABLE PRODUTO (
  ID_PRODUTO           INTEGER NOT NULL,
  DESCRICAO            VARCHAR(90),
  SALDO                NUMERIC(15,3) DEFAULT 0 NOT NULL,
  SALDOF               NUMERIC(15,3) DEFAULT 0 NOT NULL,
  VALOR_VENDA          NUMERIC(15,2) DEFAULT 0 NOT NULL,
  VALOR_VAREJO         NUMERIC(15,2) DEFAULT 0 NOT NULL,
  CUSTO                NUMERIC(15,2) DEFAULT 0 NOT NULL,
  PAGAR_ROY            CHAR(1) DEFAULT 'N' NOT NULL,
  AVISAR               NUMERIC(15,3) DEFAULT 0 NOT NULL,
  SIT_TRIBUT           VARCHAR(3),
  DATA_CADASTRO        DATE,
  UN_MEDIDA            VARCHAR(6),
  UNIDADES_CAIXA       NUMERIC(15,3) DEFAULT 0 NOT NULL,
  MULT_DIV             CHAR(1),
  CODIGO_BARRAS        VARCHAR(20),
  MACARRAO             CHAR(1) DEFAULT 'N' NOT NULL,
  ID_GRUPO_PRODUTO     INTEGER DEFAULT 0 NOT NULL,
  ID_SUBGRUPO          INTEGER DEFAULT 0 NOT NULL,
  ICMSCOMPRA           NUMERIC(9,2) DEFAULT 0 NOT NULL,
  OUTROSENCARGOS       NUMERIC(9,2) DEFAULT 0 NOT NULL,
  MARGEMLUCRO          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  MARGEMPRAZO          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  MARGEMVENDA3         NUMERIC(9,2) DEFAULT 0 NOT NULL,
  MARGEMVENDA4         NUMERIC(9,2) DEFAULT 0 NOT NULL,
  VALOR_VENDA_3        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  VALOR_VENDA_4        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  PESOUNIT             NUMERIC(15,3) DEFAULT 0 NOT NULL,
  IPI                  NUMERIC(9,2) DEFAULT 0 NOT NULL,
  FRETE                NUMERIC(15,2) DEFAULT 0 NOT NULL,
  FRETEPERC            NUMERIC(9,2) DEFAULT 0 NOT NULL,
  ICMSST               NUMERIC(9,2) DEFAULT 0 NOT NULL,
  SERVICO              CHAR(1) DEFAULT 'N' NOT NULL,
  CST                  VARCHAR(4),
  NCMSH                VARCHAR(10),
  CEST                 VARCHAR(10),
  ISENTO_PIS_COFINS    CHAR(1) DEFAULT 'N' NOT NULL,
  VALOR_SUBST_TRIBUT   NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DESCONTO             NUMERIC(18,2) DEFAULT 0 NOT NULL,
  OUTROS_IMP           NUMERIC(15,2) DEFAULT 0 NOT NULL,
  QTD_MIN_ATACADO      NUMERIC(15,3) DEFAULT 0 NOT NULL,
  PREPARAR             CHAR(1) DEFAULT 'N' NOT NULL,
  PREPARAR_ACOMP       CHAR(1) DEFAULT 'N' NOT NULL,
  EMBALAGEM            CHAR(1) DEFAULT 'N' NOT NULL,
  ATACADO              CHAR(1) DEFAULT 'N' NOT NULL,
  IMOBILIZADO          CHAR(1) DEFAULT 'N' NOT NULL,
  ORDEM_PEDIDOS        CHAR(1) DEFAULT 'N' NOT NULL,
  NAO_VENDER           CHAR(1) DEFAULT 'N' NOT NULL,
  OFERTA_QUIOSQUE      CHAR(1) DEFAULT 'N' NOT NULL,
  BLOQUEIA_FRACIONADO  CHAR(1) DEFAULT 'N' NOT NULL,
  MOV_EST_SERVICO      CHAR(1) DEFAULT 'N' NOT NULL,
  EXCLUIDO             CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_PRODUTO PRIMARY KEY (ID_PRODUTO)
);

CREATE INDEX IDX_PRODUTO_DESCRICAO ON PRODUTO (DESCRICAO);

CREATE GENERATOR GEN_ID_PRODUTO;

SET TERM ^ ;
CREATE TRIGGER PRODUTO_BI FOR PRODUTO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_PRODUTO IS NULL) THEN NEW.ID_PRODUTO = GEN_ID(GEN_ID_PRODUTO, 1);
END^
SET TERM ; ^

/* stock history of a product */
CREATE TABLE HISTORICO_PRODUTO (
  ID_HISTORICO_PRODUTO  INTEGER NOT NULL,
  ID_PRODUTO            INTEGER NOT NULL,
  OPERACAO              VARCHAR(60),
  ESTOQUE_ANT           NUMERIC(15,3) DEFAULT 0 NOT NULL,
  ESTOQUE_POS           NUMERIC(15,3) DEFAULT 0 NOT NULL,
  SALDO_ANT             NUMERIC(15,3) DEFAULT 0 NOT NULL,
  SALDO_POS             NUMERIC(15,3) DEFAULT 0 NOT NULL,
  USUARIO               VARCHAR(30),
  DATA                  DATE,
  CONSTRAINT PK_HISTORICO_PRODUTO PRIMARY KEY (ID_HISTORICO_PRODUTO)
);

CREATE INDEX IDX_HISTORICO_PRODUTO_PROD ON HISTORICO_PRODUTO (ID_PRODUTO, DATA);

CREATE GENERATOR GEN_ID_HISTORICO_PRODUTO;

SET TERM ^ ;
CREATE TRIGGER HISTORICO_PRODUTO_BI FOR HISTORICO_PRODUTO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_HISTORICO_PRODUTO IS NULL) THEN NEW.ID_HISTORICO_PRODUTO = GEN_ID(GEN_ID_HISTORICO_PRODUTO, 1);
END^
SET TERM ; ^

/* colours and upholsteries a product comes in (link tables) */
CREATE TABLE COR_PRODUTO (
  ID_PRODUTO  INTEGER NOT NULL,
  ID_COR      INTEGER NOT NULL,
  CONSTRAINT PK_COR_PRODUTO PRIMARY KEY (ID_PRODUTO, ID_COR)
);

CREATE TABLE COR_ESTOFADO (
  ID_PRODUTO   INTEGER NOT NULL,
  ID_ESTOFADO  INTEGER NOT NULL,
  CONSTRAINT PK_COR_ESTOFADO PRIMARY KEY (ID_PRODUTO, ID_ESTOFADO)
);

/* stock per product, colour and upholstery */
CREATE TABLE ESTOQUE (
  ID_PRODUTO   INTEGER NOT NULL,
  ID_COR       INTEGER NOT NULL,
  ID_ESTOFADO  INTEGER NOT NULL,
  ESTOQUE      NUMERIC(15,3) DEFAULT 0 NOT NULL,
  SALDO        NUMERIC(15,3) DEFAULT 0 NOT NULL,
  CONSTRAINT PK_ESTOQUE PRIMARY KEY (ID_PRODUTO, ID_COR, ID_ESTOFADO)
);

/* ------------------------------------------------------------------------
   CLIENTE: customers. COD_CLIENTE is the hotel's customer key written with
   at least four digits (0007) and is what rows are matched on; ID_CLIENTE
   holds the customer's document (CPF/CNPJ as typed, possibly empty or
   repeated), which orders and receivables refer to.
   ------------------------------------------------------------------------ */
CREATE TABLE CLIENTE (
  COD_CLIENTE             VARCHAR(10) NOT NULL,
  TIPO_PESSOA             CHAR(1),
  DATA_CADASTRO           DATE,
  ID_CLIENTE              VARCHAR(18),
  SPC                     CHAR(1) DEFAULT 'N' NOT NULL,
  RG_INSC_EST             VARCHAR(20),
  NOME                    VARCHAR(90),
  CONTATO                 VARCHAR(50),
  LIMITE                  NUMERIC(15,2) DEFAULT 0 NOT NULL,
  USUARIO                 VARCHAR(30),
  NAO_MOSTRAR_CRED        CHAR(1) DEFAULT 'N' NOT NULL,
  CADASTRO_DISTRIBUIDORA  CHAR(1) DEFAULT 'N' NOT NULL,
  ENDERECO                VARCHAR(100),
  COMPLEMENTO             VARCHAR(50),
  CIDADE                  VARCHAR(50),
  /* municipality code: COD_UF || COD_MUNICIPIO, or empty */
  COD_CIDADE              VARCHAR(7),
  ESTADO                  VARCHAR(2),
  CEP                     VARCHAR(9),
  FONE_1                  VARCHAR(20),
  FAX                     VARCHAR(20),
  NUMERO                  VARCHAR(10),
  EMAIL                   VARCHAR(100),
  OBSERVACAO              VARCHAR(250),
  AVAL_CLIENTE_LOJA       CHAR(1) DEFAULT 'N' NOT NULL,
  APENAS_AVISTA           CHAR(1) DEFAULT 'N' NOT NULL,
  CHEQUE_PRE              CHAR(1) DEFAULT 'N' NOT NULL,
  DIAS_CHEQUE_PRE         INTEGER DEFAULT 0 NOT NULL,
  AV                      CHAR(1) DEFAULT 'N' NOT NULL,
  OC                      CHAR(1) DEFAULT 'N' NOT NULL,
  US                      CHAR(1) DEFAULT 'N' NOT NULL,
  FB                      CHAR(1) DEFAULT 'N' NOT NULL,
  EX                      CHAR(1) DEFAULT 'N' NOT NULL,
  HI                      CHAR(1) DEFAULT 'N' NOT NULL,
  TE                      CHAR(1) DEFAULT 'N' NOT NULL,
  EL                      CHAR(1) DEFAULT 'N' NOT NULL,
  LA                      CHAR(1) DEFAULT 'N' NOT NULL,
  AMB1                    CHAR(1) DEFAULT 'N' NOT NULL,
  RPG                     CHAR(1) DEFAULT 'N' NOT NULL,
  PI                      CHAR(1) DEFAULT 'N' NOT NULL,
  ALO                     CHAR(1) DEFAULT 'N' NOT NULL,
  PV                      CHAR(1) DEFAULT 'N' NOT NULL,
  BE                      CHAR(1) DEFAULT 'N' NOT NULL,
  GI                      CHAR(1) DEFAULT 'N' NOT NULL,
  FR                      CHAR(1) DEFAULT 'N' NOT NULL,
  REAV                    CHAR(1) DEFAULT 'N' NOT NULL,
  CPM                     CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_CLIENTE PRIMARY KEY (COD_CLIENTE)
);

CREATE INDEX IDX_CLIENTE_ID_CLIENTE ON CLIENTE (ID_CLIENTE);
CREATE INDEX IDX_CLIENTE_NOME ON CLIENTE (NOME);

/* ------------------------------------------------------------------------
   COD_MUN_IBGE: official municipality codes (2-digit state code and
   5-digit municipality code, kept as text so leading zeros survive the
   concatenation). Names are stored as published: capitals with accents.
   ------------------------------------------------------------------------ */
CREATE TABLE COD_MUN_IBGE (
  COD_UF         VARCHAR(2) NOT NULL,
  COD_MUNICIPIO  VARCHAR(5) NOT NULL,
  MUNICIPIO      VARCHAR(60) NOT NULL,
  UF_SIGLA       VARCHAR(2) NOT NULL,
  CONSTRAINT PK_COD_MUN_IBGE PRIMARY KEY (COD_UF, COD_MUNICIPIO)
);

/* the customer export looks every customer's city up by name and state */
CREATE INDEX IDX_COD_MUN_IBGE_NOME ON COD_MUN_IBGE (MUNICIPIO, UF_SIGLA);

/* ------------------------------------------------------------------------
   PEDIDO / PRODUTO_CONJUNTO_PEDIDO: orders and their items. The order key
   is the highest existing one plus one, taken by the writer.
   ------------------------------------------------------------------------ */
CREATE TABLE PEDIDO (
  ID_PEDIDO       INTEGER NOT NULL,
  TALAO           INTEGER DEFAULT 0 NOT NULL,
  MAQUINA         INTEGER DEFAULT 1 NOT NULL,
  /* the seller's CPF; "000.000.000-00" for none */
  ID_FUNCIONARIO  VARCHAR(14),
  COMISSAO        NUMERIC(9,2) DEFAULT 0 NOT NULL,
  ENTREGUE        CHAR(1) DEFAULT 'N' NOT NULL,
  DATA_PEDIDO     DATE,
  HORA            TIME,
  DATA_ENTREGA    DATE,
  FORMA_PAG       VARCHAR(20),
  USUARIO         VARCHAR(30),
  CONSTRAINT PK_PEDIDO PRIMARY KEY (ID_PEDIDO)
);

CREATE TABLE PRODUTO_CONJUNTO_PEDIDO (
  ID_PRODUTO_CONJUNTO_PEDIDO  INTEGER NOT NULL,
  ID_PEDIDO                   INTEGER NOT NULL,
  ID_PRODUTO                  INTEGER,
  DESCRICAO                   VARCHAR(90),
  QTD                         NUMERIC(15,3) DEFAULT 0 NOT NULL,
  VALOR                       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  ID_COR                      INTEGER DEFAULT 1 NOT NULL,
  ID_ESTOFADO                 INTEGER DEFAULT 1 NOT NULL,
  CUSTO                       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  LUCRO                       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DATA_LANCAMENTO             DATE,
  CONSTRAINT PK_PRODUTO_CONJUNTO_PEDIDO PRIMARY KEY (ID_PRODUTO_CONJUNTO_PEDIDO)
);

CREATE INDEX IDX_PROD_CONJ_PEDIDO ON PRODUTO_CONJUNTO_PEDIDO (ID_PEDIDO);

/* order keys for the hotel's hand-overs, taken with GEN_ID (never MAX + 1) */
CREATE GENERATOR GEN_ID_PEDIDO;

CREATE GENERATOR GEN_ID_PRODUTO_CONJUNTO_PEDIDO;

SET TERM ^ ;
CREATE TRIGGER PRODUTO_CONJUNTO_PEDIDO_BI FOR PRODUTO_CONJUNTO_PEDIDO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_PRODUTO_CONJUNTO_PEDIDO IS NULL) THEN
    NEW.ID_PRODUTO_CONJUNTO_PEDIDO = GEN_ID(GEN_ID_PRODUTO_CONJUNTO_PEDIDO, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   RECEBER / RECEBER_DETALHE: receivables and their instalments. The
   receivable key is the highest existing one plus one, taken by the
   writer; a receivable is live while EXCLUIDO is 'N'.
   ------------------------------------------------------------------------ */
CREATE TABLE RECEBER (
  ID_RECEBER     INTEGER NOT NULL,
  ID_PEDIDO      INTEGER,
  SITUACAO       CHAR(1) DEFAULT 'O' NOT NULL,
  DESCRICAO      VARCHAR(90),
  DATA_LANC      DATE,
  VALOR          NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DESCONTO       NUMERIC(18,2) DEFAULT 0 NOT NULL,
  ACRESCIMO      NUMERIC(18,2) DEFAULT 0 NOT NULL,
  /* the customer's document (CLIENTE.ID_CLIENTE); "000.000.000-00" for none */
  ID_CLIENTE     VARCHAR(18),
  ID_DEPENDENTE  INTEGER DEFAULT 0 NOT NULL,
  CREDIARIO      CHAR(1) DEFAULT 'N' NOT NULL,
  EXCLUIDO       CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_RECEBER PRIMARY KEY (ID_RECEBER)
);

/* a stay's receivable is looked for by its description before each hand-over */
CREATE INDEX IDX_RECEBER_DESCRICAO ON RECEBER (DESCRICAO);
CREATE INDEX IDX_RECEBER_PEDIDO ON RECEBER (ID_PEDIDO);

/* receivable keys for the hotel's hand-overs, taken with GEN_ID (never MAX + 1) */
CREATE GENERATOR GEN_ID_RECEBER;

CREATE TABLE RECEBER_DETALHE (
  ID_RECEBER_DETALHE  INTEGER NOT NULL,
  ID_RECEBER          INTEGER NOT NULL,
  VALOR               NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DATA_VENC           DATE,
  FORMA_PAG           VARCHAR(30),
  USUARIO             VARCHAR(30),
  DRE                 CHAR(1) DEFAULT 'N' NOT NULL,
  TIPO_CRED           VARCHAR(20),
  COMPUTAR            CHAR(1) DEFAULT 'N' NOT NULL,
  CREDIARIO           CHAR(1) DEFAULT 'N' NOT NULL,
  MAQUINA             INTEGER DEFAULT 1 NOT NULL,
  CONSTRAINT PK_RECEBER_DETALHE PRIMARY KEY (ID_RECEBER_DETALHE)
);

CREATE INDEX IDX_RECEBER_DETALHE_RECEBER ON RECEBER_DETALHE (ID_RECEBER);

CREATE GENERATOR GEN_ID_RECEBER_DETALHE;

SET TERM ^ ;
CREATE TRIGGER RECEBER_DETALHE_BI FOR RECEBER_DETALHE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_RECEBER_DETALHE IS NULL) THEN NEW.ID_RECEBER_DETALHE = GEN_ID(GEN_ID_RECEBER_DETALHE, 1);
END^
SET TERM ; ^

/* NFC-e requests: one row per order to be issued */
CREATE TABLE NFE (
  ID_NFE     INTEGER NOT NULL,
  ID_PEDIDO  INTEGER NOT NULL,
  NFCE       CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_NFE PRIMARY KEY (ID_NFE)
);

CREATE INDEX IDX_NFE_PEDIDO ON NFE (ID_PEDIDO);

CREATE GENERATOR GEN_ID_NFE;

SET TERM ^ ;
CREATE TRIGGER NFE_BI FOR NFE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_NFE IS NULL) THEN NEW.ID_NFE = GEN_ID(GEN_ID_NFE, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   Rows the control program comes with: municipality codes of the state
   capitals and a few large cities.
   ------------------------------------------------------------------------ */
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('35', '50308', 'SÃO PAULO', 'SP');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('35', '09502', 'CAMPINAS', 'SP');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('33', '04557', 'RIO DE JANEIRO', 'RJ');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('31', '06200', 'BELO HORIZONTE', 'MG');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('41', '06902', 'CURITIBA', 'PR');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('42', '05407', 'FLORIANÓPOLIS', 'SC');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('43', '14902', 'PORTO ALEGRE', 'RS');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('53', '00108', 'BRASÍLIA', 'DF');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('52', '08707', 'GOIÂNIA', 'GO');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('29', '27408', 'SALVADOR', 'BA');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('26', '11606', 'RECIFE', 'PE');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('23', '04400', 'FORTALEZA', 'CE');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('15', '01402', 'BELÉM', 'PA');
INSERT INTO COD_MUN_IBGE (COD_UF, COD_MUNICIPIO, MUNICIPIO, UF_SIGLA) VALUES ('13', '02603', 'MANAUS', 'AM');
