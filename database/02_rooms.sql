-- Rooms, room types and their characteristics and standard items, reservations,
-- customers and the birthday e-mail account.

-- Customers (persons and companies). EXCLUIDO: 'N' normal, 'R' restricted,
-- 'S' blacklisted; rows are never removed. Customer 1 is the default customer.
CREATE TABLE CLIENTE (
  ID_CLIENTE     INTEGER NOT NULL,
  TIPO_PESSOA    CHAR(1),
  CNPJ_CPF       VARCHAR(18),
  RG_INSC_EST    VARCHAR(20),
  NOME           VARCHAR(90),
  CONTATO        VARCHAR(20),
  ENDERECO       VARCHAR(100),
  NUMERO         VARCHAR(10),
  BAIRRO         VARCHAR(30),
  CIDADE         VARCHAR(30),
  ESTADO         VARCHAR(2),
  CEP            VARCHAR(9),
  -- "(99)99999-9999" after the ninth-digit update: 14 characters
  FONE_1         VARCHAR(14),
  FAX            VARCHAR(14),
  DATA_NASC      DATE,
  EMAIL          VARCHAR(50),
  -- lowest daily rate agreed with the customer; 0 = normal rates
  VALOR_MIN      NUMERIC(9,2) DEFAULT 0 NOT NULL,
  OBSERVACAO     VARCHAR(250),
  LEMBRETE       VARCHAR(250),
  FOTO           VARCHAR(255),
  EXCLUIDO       CHAR(1) DEFAULT 'N' NOT NULL,
  MOTIVO         VARCHAR(200),
  DATA_CADASTRO  DATE,
  USUARIO        VARCHAR(10),
  CONSTRAINT PK_CLIENTE PRIMARY KEY (ID_CLIENTE)
);

CREATE GENERATOR GEN_ID_CLIENTE;

SET TERM ^ ;
CREATE TRIGGER CLIENTE_BI FOR CLIENTE ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_CLIENTE IS NULL) THEN NEW.ID_CLIENTE = GEN_ID(GEN_ID_CLIENTE, 1);
END^
SET TERM ; ^

CREATE INDEX IX_CLIENTE_NOME ON CLIENTE (NOME);
CREATE INDEX IX_CLIENTE_CNPJ_CPF ON CLIENTE (CNPJ_CPF);
-- One customer per document: compared by its characters without the mask
-- punctuation and blanks, so "123.456.789-09" and "12345678909" are the same
-- document even when two workstations save them at once. Customers without a
-- document (NULL or empty) are not restricted.
CREATE UNIQUE INDEX UX_CLIENTE_DOCUMENTO ON CLIENTE COMPUTED BY
  (NULLIF(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(REPLACE(CNPJ_CPF,
    '.', ''), '-', ''), '/', ''), '(', ''), ')', ''), ':', ''), ' ', ''), ''));
-- birthday lists and the alerts panel select by month (and day) of birth
CREATE INDEX IX_CLIENTE_MES_NASC ON CLIENTE
  COMPUTED BY (EXTRACT(MONTH FROM DATA_NASC));

-- The account, sender and text of the birthday e-mail: exactly one row.
CREATE TABLE EMAIL (
  ID_EMAIL         INTEGER DEFAULT 1 NOT NULL,
  EMAIL_REMETENTE  VARCHAR(100),
  SENHA            VARCHAR(100),
  REMETENTE        VARCHAR(100),
  ASSUNTO          VARCHAR(200),
  MENSAGEM         BLOB SUB_TYPE TEXT,
  CONSTRAINT PK_EMAIL PRIMARY KEY (ID_EMAIL),
  CONSTRAINT CK_EMAIL_UMA_LINHA CHECK (ID_EMAIL = 1)
);

-- Room types with their rates (hotel mode: P1..P4 daily rate for one to four
-- persons, P1MIN..P4MIN the lowest accepted; motel mode: P1 initial period,
-- P2 each extra hour, P3 overnight). Deleted types are recorded in ANULACAO.
CREATE TABLE TIPO_UH (
  ID_TIPO_UH  INTEGER NOT NULL,
  DESCRICAO   VARCHAR(30),
  ABREV       VARCHAR(7),
  P1          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P2          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P3          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P4          NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P1MIN       NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P2MIN       NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P3MIN       NUMERIC(9,2) DEFAULT 0 NOT NULL,
  P4MIN       NUMERIC(9,2) DEFAULT 0 NOT NULL,
  CONSTRAINT PK_TIPO_UH PRIMARY KEY (ID_TIPO_UH)
);

CREATE GENERATOR GEN_ID_TIPO_UH;

SET TERM ^ ;
CREATE TRIGGER TIPO_UH_BI FOR TIPO_UH ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_TIPO_UH IS NULL) THEN NEW.ID_TIPO_UH = GEN_ID(GEN_ID_TIPO_UH, 1);
END^
SET TERM ; ^

-- Rooms. SITUACAO: 'L' free, 'O' occupied, 'M' maintenance (reason in
-- MANUTENCAO), 'R' reserved for today; a new room starts free and live.
CREATE TABLE UH (
  ID_UH       INTEGER NOT NULL,
  ID_TIPO_UH  INTEGER,
  NUMERO      VARCHAR(5),
  DESCRICAO   VARCHAR(30),
  RAMAL       VARCHAR(10),
  SITUACAO    VARCHAR(1) DEFAULT 'L' NOT NULL,
  MANUTENCAO  VARCHAR(50),
  EXCLUIDO    VARCHAR(1) DEFAULT 'N' NOT NULL,
  -- 'S': the account statement may print the customisable text
  AUDITORIO   VARCHAR(1) DEFAULT 'N' NOT NULL,
  CONSTRAINT PK_UH PRIMARY KEY (ID_UH)
);

CREATE GENERATOR GEN_ID_UH;

SET TERM ^ ;
CREATE TRIGGER UH_BI FOR UH ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_UH IS NULL) THEN NEW.ID_UH = GEN_ID(GEN_ID_UH, 1);
END^
SET TERM ; ^

CREATE INDEX IX_UH_SITUACAO ON UH (SITUACAO);
CREATE INDEX IX_UH_ID_TIPO_UH ON UH (ID_TIPO_UH);

-- Characteristics of room types (master list; deleted ones in ANULACAO).
CREATE TABLE CARAC_UH (
  ID_CARAC_UH  INTEGER NOT NULL,
  DESCRICAO    VARCHAR(30),
  SIGLA        VARCHAR(5),
  -- full path of the symbol picture (.jpg/.bmp); empty for none
  SIMBOLO      VARCHAR(250),
  CONSTRAINT PK_CARAC_UH PRIMARY KEY (ID_CARAC_UH)
);

CREATE GENERATOR GEN_ID_CARAC_UH;

SET TERM ^ ;
CREATE TRIGGER CARAC_UH_BI FOR CARAC_UH ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_CARAC_UH IS NULL) THEN NEW.ID_CARAC_UH = GEN_ID(GEN_ID_CARAC_UH, 1);
END^
SET TERM ; ^

-- Characteristics attached to a room type.
CREATE TABLE CARAC_TIPO_UH (
  ID_CARAC_TIPO_UH  INTEGER NOT NULL,
  ID_CARAC_UH       INTEGER,
  ID_TIPO_UH        INTEGER,
  CONSTRAINT PK_CARAC_TIPO_UH PRIMARY KEY (ID_CARAC_TIPO_UH)
);

CREATE GENERATOR GEN_ID_CARAC_TIPO_UH;

SET TERM ^ ;
CREATE TRIGGER CARAC_TIPO_UH_BI FOR CARAC_TIPO_UH ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_CARAC_TIPO_UH IS NULL) THEN
    NEW.ID_CARAC_TIPO_UH = GEN_ID(GEN_ID_CARAC_TIPO_UH, 1);
END^
SET TERM ; ^

CREATE INDEX IX_CARAC_TIPO_UH_TIPO ON CARAC_TIPO_UH (ID_TIPO_UH);

-- Scratch list of the characteristics attached while a room type is being
-- altered, so that cancelling can detach them; emptied when the type screen
-- closes. Several workstations may hold the same key here: no key.
CREATE TABLE AUX_ALTERACAO (
  ID  INTEGER
);

-- Standard stock items of a room type.
CREATE TABLE PADRAO_ITEM (
  ID_TIPO_UH  INTEGER,
  ID_ITEM     INTEGER,
  QTD         INTEGER NOT NULL
);

CREATE INDEX IX_PADRAO_ITEM_TIPO ON PADRAO_ITEM (ID_TIPO_UH);

-- Standard minibar products of a room type, with the unit price taken when
-- the product was added.
CREATE TABLE PADRAO_PS (
  ID_TIPO_UH  INTEGER,
  ID_P_S      INTEGER,
  VALOR       NUMERIC(15,2) DEFAULT 0 NOT NULL,
  QTD         INTEGER NOT NULL
);

CREATE INDEX IX_PADRAO_PS_TIPO ON PADRAO_PS (ID_TIPO_UH);

-- Extra stock items of one room, on top of its type's.
CREATE TABLE PADRAO_UH (
  ID_UH    INTEGER,
  ID_ITEM  INTEGER,
  QTD      INTEGER NOT NULL
);

CREATE INDEX IX_PADRAO_UH_UH ON PADRAO_UH (ID_UH);

-- Extra minibar products of one room, on top of its type's.
CREATE TABLE PADRAO_PS_UH (
  ID_UH  INTEGER,
  ID_PS  INTEGER,
  QTD    INTEGER NOT NULL
);

CREATE INDEX IX_PADRAO_PS_UH_UH ON PADRAO_PS_UH (ID_UH);

-- Reservations: one room for one customer from DATA_ENTRADA to DATA_SAIDA,
-- both days included. CONFIRMADA 'N' pending, 'S' turned into a stay;
-- EXCLUIDO 'S' deleted. Rows are never removed.
CREATE TABLE RESERVA (
  ID_RESERVA        INTEGER NOT NULL,
  DATA_ENTRADA      DATE,
  HORA_ENTRADA      TIME,
  DATA_SAIDA        DATE,
  HORA_SAIDA        TIME,
  ID_CLIENTE        INTEGER,
  ID_UH             INTEGER,
  QTD_PESSOAS       INTEGER,
  USUARIO           VARCHAR(10),
  OBS               VARCHAR(250),
  CONFIRMADA        CHAR(1) DEFAULT 'N' NOT NULL,
  EXCLUIDO          CHAR(1) DEFAULT 'N' NOT NULL,
  CONF_SMS          TIMESTAMP,
  PARA_CONF_SMS     VARCHAR(50),
  RETORNO_CONF_SMS  VARCHAR(100),
  CONF_EMAIL        TIMESTAMP,
  PARA_CONF_EMAIL   VARCHAR(100),
  CONSTRAINT PK_RESERVA PRIMARY KEY (ID_RESERVA)
);

CREATE GENERATOR GEN_ID_RESERVA;

SET TERM ^ ;
CREATE TRIGGER RESERVA_BI FOR RESERVA ACTIVE BEFORE INSERT POSITION 0 AS
BEGIN
  IF (NEW.ID_RESERVA IS NULL) THEN NEW.ID_RESERVA = GEN_ID(GEN_ID_RESERVA, 1);
END^
SET TERM ; ^

CREATE INDEX IX_RESERVA_CONF_EXCL ON RESERVA (CONFIRMADA, EXCLUIDO);
CREATE INDEX IX_RESERVA_ID_UH ON RESERVA (ID_UH);
CREATE INDEX IX_RESERVA_ID_CLIENTE ON RESERVA (ID_CLIENTE);

-- Reserved days: one row per day of a pending reservation, with its room.
-- Deleting or confirming a reservation removes all its days.
CREATE TABLE RESERVA_UH (
  ID_RESERVA    INTEGER,
  DATA_ENTRADA  DATE,
  ID_UH         INTEGER
);

CREATE INDEX IX_RESERVA_UH_UH_DATA ON RESERVA_UH (ID_UH, DATA_ENTRADA);
CREATE INDEX IX_RESERVA_UH_DATA ON RESERVA_UH (DATA_ENTRADA);
CREATE INDEX IX_RESERVA_UH_RESERVA ON RESERVA_UH (ID_RESERVA);

-- Rows that come with an installation.

-- The default customer, used by motel-mode check-ins; kept out of every
-- birthday list by the "not given" birth date.
INSERT INTO CLIENTE (ID_CLIENTE, TIPO_PESSOA, CNPJ_CPF, RG_INSC_EST, NOME,
  CONTATO, ENDERECO, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, FONE_1, FAX,
  DATA_NASC, EMAIL, VALOR_MIN, OBSERVACAO, LEMBRETE, FOTO, EXCLUIDO)
VALUES (1, 'F', '', '', 'CONSUMIDOR',
  '', '', '', '', '', '', '', '', '',
  DATE '1900-01-01', '', 0, '', '', '', 'N');

SET GENERATOR GEN_ID_CLIENTE TO 1;

-- The birthday e-mail account, blank until filled on the birthday screen.
INSERT INTO EMAIL (ID_EMAIL, EMAIL_REMETENTE, SENHA, REMETENTE, ASSUNTO, MENSAGEM)
VALUES (1, '', '', '', '', '');
