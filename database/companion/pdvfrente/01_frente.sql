-- Point-of-sale front-end database (FRENTE.FDB): the company data this
-- system writes there.

/* ------------------------------------------------------------------------
   EMPRESA: the company running the point of sale; one row, rewritten by
   the full transfer from the hotel's settings (no WHERE clause).
   ------------------------------------------------------------------------ */
CREATE TABLE EMPRESA (
  CODIGO          INTEGER NOT NULL,
  RAZAO_SOCIAL    VARCHAR(60),
  NOME_FANTASIA   VARCHAR(90),
  ENDERECO        VARCHAR(60),
  BAIRRO          VARCHAR(50),
  CIDADE          VARCHAR(50),
  UF              VARCHAR(2),
  CEP             VARCHAR(9),
  CNPJ            VARCHAR(18),
  INSC_ESTADUAL   VARCHAR(20),
  INSC_MUNICIPAL  VARCHAR(20),
  TELEFONE        VARCHAR(20),
  FAX             VARCHAR(20),
  DATA            DATE,
  CONTATO         VARCHAR(50),
  EMAIL           VARCHAR(100),
  COD_MUNICIPIO   VARCHAR(7),
  CONSTRAINT PK_EMPRESA PRIMARY KEY (CODIGO)
);

/* the company row that the full transfer rewrites */
INSERT INTO EMPRESA (CODIGO) VALUES (1);
