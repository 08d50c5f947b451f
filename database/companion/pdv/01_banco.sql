-- Point-of-sale main database (BANCO.FDB): the tables this system writes
-- and reads there: users, customers, products, tax rates, pre-sale
-- documents with their items, company data and sellers.
-- Every value is sent as quoted text; the column types below convert it.

/* ------------------------------------------------------------------------
   USUARIOS_PDV: the hotel's live users, rebuilt after every user change
   (emptied, generator reset, rows inserted with the hotel's user keys).
   Rights are '1' granted, '0' not.
   ------------------------------------------------------------------------ */
CREATE TABLE USUARIOS_PDV (
  ID                            INTEGER NOT NULL,
  NOME                          VARCHAR(30),
  SENHA                         VARCHAR(30),
  CHK_VENDAS                    CHAR(1) DEFAULT '0' NOT NULL,
  CHK_VENDA_CHECKOUT            CHAR(1) DEFAULT '0' NOT NULL,
  PE_ABRE_GAVETA                CHAR(1) DEFAULT '0' NOT NULL,
  PE_SUPRIMENTO_SANGRIA         CHAR(1) DEFAULT '0' NOT NULL,
  PE_LEITURA_X                  CHAR(1) DEFAULT '0' NOT NULL,
  PE_CANCELA_CUPOM              CHAR(1) DEFAULT '0' NOT NULL,
  PE_REDUCAO_Z                  CHAR(1) DEFAULT '0' NOT NULL,
  PE_MEMORIA_FISCAL             CHAR(1) DEFAULT '0' NOT NULL,
  PE_CANCELA_ITEM               CHAR(1) DEFAULT '0' NOT NULL,
  PE_LIBERA_VENDA_ATRASO        CHAR(1) DEFAULT '0' NOT NULL,
  PE_LIBERA_VENDA_LIMITE_EXC    CHAR(1) DEFAULT '0' NOT NULL,
  PE_LIBERA_VENDA_INADIMPLENTE  CHAR(1) DEFAULT '0' NOT NULL,
  VINCULADO_AO_VENDEDOR         CHAR(1) DEFAULT '0' NOT NULL,
  PE_LIBERA_DESCONTO            CHAR(1) DEFAULT '0' NOT NULL,
  /* highest discount percent the user may give: 0 to 100 */
  PE_MAXIMO_DESCONTO            NUMERIC(9,2) DEFAULT 0 NOT NULL,
  CONSTRAINT PK_USUARIOS_PDV PRIMARY KEY (ID)
);

CREATE GENERATOR GEN_USUARIOS_PDV_ID;

SET TERM ^ ;
CREATE TRIGGER USUARIOS_PDV_BI FOR USUARIOS_PDV ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID IS NULL) THEN NEW.ID = GEN_ID(GEN_USUARIOS_PDV_ID, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   CLIENTE: copy of the hotel's customers, keyed by the hotel's customer
   key. A formatted CPF (14 characters) goes to CPF/RG, any other document
   to CGC/IE; the other pair is null. INATIVO carries the hotel's customer
   state ('N' normal, 'R' restricted, 'S' blacklisted).
   ------------------------------------------------------------------------ */
CREATE TABLE CLIENTE (
  CODIGO          INTEGER NOT NULL,
  NOME            VARCHAR(50),
  ENDERECO        VARCHAR(50),
  BAIRRO          VARCHAR(30),
  CPF             VARCHAR(18),
  RG              VARCHAR(20),
  CGC             VARCHAR(18),
  IE              VARCHAR(20),
  CIDADE          VARCHAR(30),
  UF              VARCHAR(2),
  CEP             VARCHAR(9),
  TELEFONE        VARCHAR(20),
  FAX             VARCHAR(20),
  LIMITECREDITO   NUMERIC(15,2) DEFAULT 0 NOT NULL,
  DATANASCTO      DATE,
  DATACADASTRO    DATE,
  TIPO            CHAR(1),
  INADIMPLENTE    CHAR(1) DEFAULT 'N' NOT NULL,
  SPC             CHAR(1) DEFAULT 'N' NOT NULL,
  EMAIL           VARCHAR(35),
  INATIVO         CHAR(1) DEFAULT 'N' NOT NULL,
  TRAVA           CHAR(1) DEFAULT '0' NOT NULL,
  CONTRIBUINTE    CHAR(1) DEFAULT 'N' NOT NULL,
  MOTIVO          VARCHAR(80),
  OBS             VARCHAR(80),
  VISTA           CHAR(1) DEFAULT 'N' NOT NULL,
  USER_CADASTROU  VARCHAR(30),
  CAD_AUTORIZADO  CHAR(1) DEFAULT 'N' NOT NULL,
  USER_AUTORIZOU  VARCHAR(30),
  CONSTRAINT PK_CLIENTE PRIMARY KEY (CODIGO)
);

CREATE INDEX IDX_CLIENTE_NOME ON CLIENTE (NOME);

CREATE GENERATOR GEN_CLIENTE_ID;

SET TERM ^ ;
CREATE TRIGGER CLIENTE_BI FOR CLIENTE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.CODIGO IS NULL) THEN NEW.CODIGO = GEN_ID(GEN_CLIENTE_ID, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ECFALIQUOTA: tax rates known to the fiscal printer, by rate code.
   CODIGO is text: a product whose tax situation has no code looks up ''.
   ALIQUOTA and CODIGOCUPOM are kept as the texts that enter the products'
   digests.
   ------------------------------------------------------------------------ */
CREATE TABLE ECFALIQUOTA (
  CODIGO       VARCHAR(4) NOT NULL,
  ALIQUOTA     VARCHAR(10),
  CODIGOCUPOM  VARCHAR(4),
  DESCRICAO    VARCHAR(40),
  CONSTRAINT PK_ECFALIQUOTA PRIMARY KEY (CODIGO)
);

/* ------------------------------------------------------------------------
   ESTOQUE: products sold at the counter, one row per hotel product,
   keyed by the hotel's product key. HASH and HASH2 are MD5 digests in 32
   upper-case hexadecimal digits. After the hotel inserts rows,
   GEN_ESTOQUE_ID is set to the highest CODIGO (not the row count, which
   would give the point of sale's next product a code already taken).
   ------------------------------------------------------------------------ */
CREATE TABLE ESTOQUE (
  CODIGO              INTEGER NOT NULL,
  CODBARRA            VARCHAR(20),
  REFERENCIA          VARCHAR(20),
  DESCRICAO           VARCHAR(60),
  DESCRIFISCAL        VARCHAR(90),
  MED                 VARCHAR(6),
  PRECOVENDA          NUMERIC(15,2) DEFAULT 0 NOT NULL,
  PRECOPRAZO          NUMERIC(15,2) DEFAULT 0 NOT NULL,
  PRECO3              NUMERIC(15,2) DEFAULT 0 NOT NULL,
  QTDE                NUMERIC(15,3) DEFAULT 0 NOT NULL,
  QTDEEF              NUMERIC(15,3) DEFAULT 0 NOT NULL,
  CODALIQUOTA         VARCHAR(4),
  INATIVO             CHAR(1) DEFAULT 'N' NOT NULL,
  BALANCA             CHAR(1) DEFAULT 'N' NOT NULL,
  COD_NCM             VARCHAR(10),
  IPI                 NUMERIC(9,2) DEFAULT 0 NOT NULL,
  DESCONTOMAX         NUMERIC(9,2) DEFAULT 0 NOT NULL,
  IAT                 CHAR(1),
  IPPT                CHAR(1),
  GERA_REL_REPOSICAO  CHAR(1) DEFAULT 'N' NOT NULL,
  PRINCIPIO_ATIVO     VARCHAR(60),
  FABRICANTE          VARCHAR(60),
  HASH                VARCHAR(32),
  HASH2               VARCHAR(32),
  CONSTRAINT PK_ESTOQUE PRIMARY KEY (CODIGO)
);

CREATE INDEX IDX_ESTOQUE_DESCRICAO ON ESTOQUE (DESCRICAO);
CREATE INDEX IDX_ESTOQUE_CODBARRA ON ESTOQUE (CODBARRA);

CREATE GENERATOR GEN_ESTOQUE_ID;

SET TERM ^ ;
CREATE TRIGGER ESTOQUE_BI FOR ESTOQUE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.CODIGO IS NULL) THEN NEW.CODIGO = GEN_ID(GEN_ESTOQUE_ID, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   ORCAMENTO / ITEMORCAMENTO: pre-sale documents (DAV) handed over by the
   restaurant tables and by the guests' statements, paid at the counter.
   The document number comes from GEN_ORCAMENTO_ID; items are numbered
   1, 2, 3 ... within their document (CONTROLE).
   ------------------------------------------------------------------------ */
CREATE TABLE ORCAMENTO (
  CODIGO       INTEGER NOT NULL,
  DTEMISSAO    DATE,
  /* kept as written: '0001' for the restaurant, the customer's key for a stay */
  CODCLIENTE   VARCHAR(10),
  NOMECLIENTE  VARCHAR(50),
  CODVENDEDOR  INTEGER,
  DESCONTO     NUMERIC(18,2) DEFAULT 0 NOT NULL,
  VALOR        NUMERIC(15,2) DEFAULT 0 NOT NULL,
  TOTALCUSTO   NUMERIC(15,2) DEFAULT 0 NOT NULL,
  OBS          VARCHAR(200),
  NUMERO_DAV   INTEGER,
  VALIDADE     DATE,
  SITUACAO     CHAR(1) DEFAULT 'A' NOT NULL,
  FLAG         CHAR(1) DEFAULT '0' NOT NULL,
  HORA         TIME,
  HASH         VARCHAR(32),
  CONSTRAINT PK_ORCAMENTO PRIMARY KEY (CODIGO)
);

CREATE INDEX IDX_ORCAMENTO_SITUACAO ON ORCAMENTO (SITUACAO);

CREATE GENERATOR GEN_ORCAMENTO_ID;

SET TERM ^ ;
CREATE TRIGGER ORCAMENTO_BI FOR ORCAMENTO ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.CODIGO IS NULL) THEN NEW.CODIGO = GEN_ID(GEN_ORCAMENTO_ID, 1);
END^
SET TERM ; ^

/* quantities may be weighed and totals keep four decimal places */
CREATE TABLE ITEMORCAMENTO (
  CODIGO      INTEGER NOT NULL,
  CONTROLE    INTEGER NOT NULL,
  CODPRODUTO  INTEGER,
  QTDE        NUMERIC(18,4) DEFAULT 0 NOT NULL,
  PRECO       NUMERIC(18,4) DEFAULT 0 NOT NULL,
  TOTALITEN   NUMERIC(18,4) DEFAULT 0 NOT NULL,
  CUSTO       NUMERIC(18,4) DEFAULT 0 NOT NULL,
  TABELA      CHAR(1),
  DESCRICAO   VARCHAR(60),
  MAODEOBRA   CHAR(1) DEFAULT 'N' NOT NULL,
  CANCELADO   CHAR(1) DEFAULT 'N' NOT NULL,
  HASH        VARCHAR(32),
  CONSTRAINT PK_ITEMORCAMENTO PRIMARY KEY (CODIGO, CONTROLE)
);

/* ------------------------------------------------------------------------
   EMPRESA: the company running the point of sale; one row, rewritten by
   the full transfer from the hotel's settings.
   ------------------------------------------------------------------------ */
CREATE TABLE EMPRESA (
  CODIGO    INTEGER NOT NULL,
  RAZAO     VARCHAR(50),
  NOME      VARCHAR(90),
  ENDERECO  VARCHAR(50),
  BAIRRO    VARCHAR(50),
  CIDADE    VARCHAR(50),
  UF        VARCHAR(2),
  CEP       VARCHAR(9),
  CGC       VARCHAR(18),
  IE        VARCHAR(20),
  FONE      VARCHAR(20),
  FAX       VARCHAR(20),
  CONSTRAINT PK_EMPRESA PRIMARY KEY (CODIGO)
);

/* ------------------------------------------------------------------------
   VENDEDOR: sellers; the full transfer leaves one, "LOJA (VENDA)".
   ------------------------------------------------------------------------ */
CREATE TABLE VENDEDOR (
  CODIGO             INTEGER NOT NULL,
  NOME               VARCHAR(50),
  PERCCOMISSAOPRAZO  NUMERIC(9,2) DEFAULT 0 NOT NULL,
  PERCCOMISSAOVISTA  NUMERIC(9,2) DEFAULT 0 NOT NULL,
  INATIVO            CHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_VENDEDOR PRIMARY KEY (CODIGO)
);

CREATE GENERATOR GEN_VENDEDOR_ID;

SET TERM ^ ;
CREATE TRIGGER VENDEDOR_BI FOR VENDEDOR ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.CODIGO IS NULL) THEN NEW.CODIGO = GEN_ID(GEN_VENDEDOR_ID, 1);
END^
SET TERM ; ^

/* ------------------------------------------------------------------------
   Rows an installation of the point of sale comes with.
   ------------------------------------------------------------------------ */

/* the fiscal printer's rates by code: the products' tax situations
   05, 07, 12, 17, 18, 25, 27, II, FF, NN map to 1, 2, 3, 4, 12, 5, 6, 7, 8, 9 */
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('1', '0500', '01', 'TRIBUTADO A 5%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('2', '0700', '02', 'TRIBUTADO A 7%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('3', '1200', '03', 'TRIBUTADO A 12%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('4', '1700', '04', 'TRIBUTADO A 17%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('5', '2500', '05', 'TRIBUTADO A 25%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('6', '2700', '06', 'TRIBUTADO A 27%');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('7', 'II', 'II', 'ISENTO');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('8', 'FF', 'FF', 'SUBSTITUICAO TRIBUTARIA');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('9', 'NN', 'NN', 'NAO INCIDENCIA');
INSERT INTO ECFALIQUOTA (CODIGO, ALIQUOTA, CODIGOCUPOM, DESCRICAO) VALUES ('12', '1800', '07', 'TRIBUTADO A 18%');

/* the company row that the full transfer rewrites */
INSERT INTO EMPRESA (CODIGO) VALUES (1);
