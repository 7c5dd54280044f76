<?xml version="1.0" encoding="UTF-8"?>
<!--
  The natural-gas report: turns the report document (root "root") into a printable A4 page.

  Every heading comes from the document, so this template carries no words of its own, only layout.
  It is written for XSLT 1.0 and for a result that is kept as a document tree and saved as XML (as
  MSXML's transformNodeToObject does) as well as for one written as HTML (libxslt): every element it
  makes is either a void element or has content, so that "<td/>" never reaches an HTML parser, and the
  style sheet uses no "<", ">" or "&".
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <!-- Written as XML that is also valid HTML: a transformation that serialises the result and parses
       it back (as some MSXML implementations do for transformNodeToObject) needs well-formed text. -->
  <xsl:output method="xml" encoding="UTF-8" omit-xml-declaration="yes" indent="no"
              doctype-system="about:legacy-compat"/>

  <!-- Columns holding words, aligned left; all others hold numbers and align right. -->
  <xsl:variable name="textColumns" select="' name filename uuid sample mixture datetime type method category description status '"/>
  <!-- A table of this many rows or fewer is kept on one page with its heading. -->
  <xsl:variable name="shortTableRows" select="8"/>
  <!-- A longer table keeps this many rows with its heading and on its last page. -->
  <xsl:variable name="keptRows" select="3"/>
  <!-- The most columns after the first that one part of a table holds on an A4 portrait sheet. -->
  <xsl:variable name="partColumns" select="11"/>

  <xsl:template match="/">
    <html lang="ru">
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>
        <meta http-equiv="X-UA-Compatible" content="IE=edge"/>
        <title>
          <xsl:call-template name="text">
            <xsl:with-param name="value" select="root/meta/title"/>
          </xsl:call-template>
        </title>
        <style type="text/css">
@page {
  size: A4 portrait;
  margin: 14mm 12mm 16mm 18mm;
  @bottom-right {
    content: counter(page) " / " counter(pages);
    font: 7pt Arial, "Liberation Sans", "DejaVu Sans", sans-serif;
    color: #6b7280;
  }
}
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
html { background: #e5e7eb; }
body {
  margin: 0;
  color: #111827;
  font-family: Arial, "Liberation Sans", "Helvetica Neue", "DejaVu Sans", sans-serif;
  font-size: 9pt;
  line-height: 1.35;
}
.sheet {
  box-sizing: border-box;
  width: 210mm;
  min-height: 297mm;
  margin: 8mm auto;
  padding: 14mm 12mm 16mm 18mm;
  background: #ffffff;
  box-shadow: 0 1px 8px rgba(0, 0, 0, 0.25);
}
@media print {
  html { background: none; }
  .sheet { width: auto; min-height: 0; margin: 0; padding: 0; box-shadow: none; }
}

.doc-head { border-bottom: 2px solid #1e3a5f; padding-bottom: 3mm; margin-bottom: 4mm; }
.doc-kind {
  font-size: 8pt;
  font-weight: bold;
  letter-spacing: 0.14em;
  text-transform: uppercase;
  color: #1e3a5f;
}
h1 { font-size: 20pt; line-height: 1.15; margin: 1mm 0 2mm 0; color: #1e3a5f; }
.standard { margin: 0 0 0.6mm 0; font-size: 8.5pt; color: #374151; }

table.facts { width: 100%; border-collapse: collapse; margin-bottom: 2mm; }
table.facts th, table.facts td {
  padding: 1.1mm 0;
  border-bottom: 1px solid #d1d5db;
  text-align: left;
  vertical-align: top;
}
table.facts th { width: 36%; padding-right: 3mm; font-weight: normal; color: #4b5563; }
table.facts td { font-weight: bold; }

.block { margin-top: 6mm; }
h2 {
  font-size: 11pt;
  color: #1e3a5f;
  margin: 0 0 1.6mm 0;
  padding-bottom: 0.8mm;
  border-bottom: 1px solid #1e3a5f;
  break-after: avoid;
  page-break-after: avoid;
}
table.data { width: 100%; border-collapse: collapse; font-size: 8.5pt; }
table.dense { font-size: 7.5pt; }
table.denser { font-size: 6.8pt; }
table.continued { margin-top: 2.5mm; }
/* Column titles wrap at spaces only: a word of a title is never broken. */
table.data th { overflow-wrap: normal; word-break: normal; hyphens: manual; }
/* A long table repeats its column titles on every page it runs over. */
table.data thead { display: table-header-group; }
table.data tr { break-inside: avoid; page-break-inside: avoid; }
table.data tr.lead { break-after: avoid; page-break-after: avoid; }
table.data tr.tail { break-before: avoid; page-break-before: avoid; }
/* A short table stays on one page with its heading and its footnote. */
.block.short { break-inside: avoid; page-break-inside: avoid; }
table.data th, table.data td {
  border: 1px solid #b6bfca;
  padding: 0.7mm 1.3mm;
  vertical-align: top;
}
table.dense th, table.dense td { padding: 0.6mm 1mm; }
table.denser th, table.denser td { padding: 0.5mm 0.5mm; }
table.data th {
  background: #e8edf3;
  font-weight: bold;
  text-align: center;
  vertical-align: bottom;
}
table.data th.text, table.data td.text { text-align: left; }
table.data td.num { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
table.data tbody tr:nth-child(even) td { background: #f6f8fa; }
table.data td.empty { text-align: center; color: #6b7280; }
table.data .flag { width: 3.5mm; padding-left: 0.6mm; padding-right: 0.6mm; text-align: center; }
table.data td.flag { color: #15803d; font-weight: bold; }
table.data tr.fail td { color: #b91c1c; }
table.data tr.fail td.flag { color: #b91c1c; }

table.analysis .c-uuid { word-break: break-all; }
table.calibration td.c-name, table.components td.c-name { white-space: nowrap; }
table.analysis .c-datetime { white-space: nowrap; }
table.calculation .c-name, table.methane .c-name { width: 66%; }
table.calculation td.num, table.methane td.num { width: 17%; }
table.errors .c-category { width: 22%; }
table.stability tr.warning td { color: #c2410c; }
table.stability tr.action td { color: #b91c1c; font-weight: bold; }
p.stability-note { font-size: 8pt; color: #374151; margin: 1mm 0 2mm 0; }
div.stability-charts { margin-top: 2mm; }
div.stability-chart { display: inline-block; width: 49%; vertical-align: top; break-inside: avoid; page-break-inside: avoid; }
div.stability-chart div.chart-name { font-size: 8pt; font-weight: bold; margin: 1mm 0 0.5mm 0; }
div.stability-chart svg { width: 100%; height: auto; }

.footnote {
  margin: 1.2mm 0 0 0;
  font-size: 8pt;
  color: #374151;
  break-before: avoid;
  page-break-before: avoid;
}
.footnote .mark { font-weight: bold; }

.signed { margin-top: 10mm; break-inside: avoid; page-break-inside: avoid; }
.signed-title { font-weight: bold; margin-bottom: 9mm; }
table.sign { width: 100%; border-collapse: collapse; }
table.sign td { padding: 0; }
table.sign td.line {
  width: 38%;
  height: 6mm;
  border-bottom: 1px solid #111827;
  text-align: center;
  vertical-align: bottom;
  font-size: 10pt;
}
table.sign td.gap { width: 24%; }
table.sign td.caption { padding-top: 0.8mm; text-align: center; font-size: 7.5pt; color: #4b5563; }

.doc-foot {
  margin-top: 9mm;
  padding-top: 1.6mm;
  border-top: 1px solid #b6bfca;
  font-size: 7.5pt;
  color: #6b7280;
  break-inside: avoid;
  page-break-inside: avoid;
}
        </style>
      </head>
      <body>
        <div class="sheet">
          <xsl:apply-templates select="root/meta"/>
          <xsl:call-template name="facts"/>
          <xsl:apply-templates select="root/analysis | root/calibration | root/stability | root/components | root/calculation | root/methane | root/errors"/>
          <xsl:apply-templates select="root/signed"/>
          <xsl:apply-templates select="root/footer"/>
        </div>
      </body>
    </html>
  </xsl:template>

  <!-- A text, or a placeholder when it is empty: no element of the result is left without content. -->
  <xsl:template name="text">
    <xsl:param name="value"/>
    <xsl:param name="placeholder" select="'&#160;'"/>
    <xsl:choose>
      <xsl:when test="string-length(normalize-space($value)) &gt; 0">
        <xsl:value-of select="$value"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:value-of select="$placeholder"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="meta">
    <div class="doc-head">
      <div class="doc-kind">
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="subtitle[1]"/>
        </xsl:call-template>
      </div>
      <h1>
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="title"/>
        </xsl:call-template>
      </h1>
      <xsl:for-each select="subtitle[position() &gt; 1][string-length(normalize-space(.)) &gt; 0]">
        <p class="standard">
          <xsl:value-of select="."/>
        </p>
      </xsl:for-each>
    </div>
  </xsl:template>

  <!-- The sampling location and the user's report parameters, as one list of labelled values. -->
  <xsl:template name="facts">
    <table class="facts">
      <tbody>
        <xsl:call-template name="fact">
          <xsl:with-param name="label" select="root/location/title_station"/>
          <xsl:with-param name="value" select="root/location/station"/>
        </xsl:call-template>
        <xsl:call-template name="fact">
          <xsl:with-param name="label" select="root/location/title_place"/>
          <xsl:with-param name="value" select="root/location/place"/>
        </xsl:call-template>
        <xsl:for-each select="root/properties/body">
          <xsl:call-template name="fact">
            <xsl:with-param name="label" select="name"/>
            <xsl:with-param name="value" select="value"/>
          </xsl:call-template>
        </xsl:for-each>
      </tbody>
    </table>
  </xsl:template>

  <xsl:template name="fact">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <tr>
      <th>
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="$label"/>
        </xsl:call-template>
      </th>
      <td>
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="$value"/>
          <xsl:with-param name="placeholder" select="'&#8212;'"/>
        </xsl:call-template>
      </td>
    </tr>
  </xsl:template>

  <!-- The cell classes of a column: its kind (words or numbers) and its own name. -->
  <xsl:template name="column-class">
    <xsl:param name="column"/>
    <xsl:choose>
      <xsl:when test="contains($textColumns, concat(' ', $column, ' '))">text</xsl:when>
      <xsl:otherwise>num</xsl:otherwise>
    </xsl:choose>
    <xsl:value-of select="concat(' c-', $column)"/>
  </xsl:template>

  <!-- Every table of the document: a title, the column titles of "head", a row per "body". The
       calibration and the components mark each row accepted or not by its "isok". A table of more
       columns than a sheet holds in readable type is set as consecutive parts, each repeating the
       first column (the row's name), so that no column title has to be broken inside a word. -->
  <xsl:template match="analysis | calibration | components | calculation | methane | errors">
    <xsl:variable name="columns" select="count(head/*)"/>
    <xsl:variable name="parts" select="ceiling(($columns - 1) div $partColumns)"/>
    <xsl:variable name="perPart" select="ceiling(($columns - 1) div $parts)"/>
    <div>
      <xsl:attribute name="class">
        <xsl:text>block</xsl:text>
        <xsl:if test="count(body) &lt;= $shortTableRows"> short</xsl:if>
      </xsl:attribute>
      <h2>
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="title"/>
        </xsl:call-template>
      </h2>
      <xsl:call-template name="table-parts">
        <xsl:with-param name="from" select="2"/>
        <xsl:with-param name="perPart" select="$perPart"/>
      </xsl:call-template>
      <xsl:apply-templates select="footnote"/>
    </div>
  </xsl:template>

  <!-- The parts of a table from column $from on, $perPart columns each after the first. -->
  <xsl:template name="table-parts">
    <xsl:param name="from"/>
    <xsl:param name="perPart"/>
    <xsl:variable name="to" select="$from + $perPart - 1"/>
    <xsl:call-template name="table-part">
      <xsl:with-param name="from" select="$from"/>
      <xsl:with-param name="to" select="$to"/>
    </xsl:call-template>
    <xsl:if test="$to &lt; count(head/*)">
      <xsl:call-template name="table-parts">
        <xsl:with-param name="from" select="$to + 1"/>
        <xsl:with-param name="perPart" select="$perPart"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- One table of the first column and the columns $from to $to. The first rows stay with the
       heading, the last rows with the rows before them, so no page holds a heading or a row alone. -->
  <xsl:template name="table-part">
    <xsl:param name="from"/>
    <xsl:param name="to"/>
    <xsl:variable name="flagged" select="boolean(self::calibration or self::components)"/>
    <xsl:variable name="shown" select="head/*[position() = 1 or (position() &gt;= $from and position() &lt;= $to)]"/>
    <xsl:variable name="columns" select="count($shown) + number($flagged)"/>
    <table>
      <xsl:attribute name="class">
        <xsl:value-of select="concat('data ', local-name())"/>
        <xsl:choose>
          <xsl:when test="$columns &gt; 11"> denser</xsl:when>
          <xsl:when test="$columns &gt; 8"> dense</xsl:when>
        </xsl:choose>
        <xsl:if test="$from &gt; 2"> continued</xsl:if>
      </xsl:attribute>
      <thead>
        <tr>
          <xsl:if test="$flagged">
            <th class="flag">&#160;</th>
          </xsl:if>
          <xsl:for-each select="$shown">
            <th>
              <xsl:attribute name="class">
                <xsl:call-template name="column-class">
                  <xsl:with-param name="column" select="local-name()"/>
                </xsl:call-template>
              </xsl:attribute>
              <xsl:call-template name="text">
                <xsl:with-param name="value" select="."/>
              </xsl:call-template>
            </th>
          </xsl:for-each>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="body">
          <tr>
            <xsl:variable name="rowClass">
              <xsl:if test="isok = 'false'"> fail</xsl:if>
              <xsl:if test="position() &lt; $keptRows"> lead</xsl:if>
              <xsl:if test="position() &gt; last() - $keptRows + 1"> tail</xsl:if>
            </xsl:variable>
            <xsl:if test="string-length($rowClass) &gt; 0">
              <xsl:attribute name="class">
                <xsl:value-of select="normalize-space($rowClass)"/>
              </xsl:attribute>
            </xsl:if>
            <xsl:if test="$flagged">
              <td class="flag">
                <xsl:choose>
                  <xsl:when test="isok = 'true'">&#10003;</xsl:when>
                  <xsl:otherwise>&#10007;</xsl:otherwise>
                </xsl:choose>
              </td>
            </xsl:if>
            <xsl:for-each select="*[not(self::isok)][position() = 1 or (position() &gt;= $from and position() &lt;= $to)]">
              <td>
                <xsl:attribute name="class">
                  <xsl:call-template name="column-class">
                    <xsl:with-param name="column" select="local-name()"/>
                  </xsl:call-template>
                </xsl:attribute>
                <xsl:call-template name="text">
                  <xsl:with-param name="value" select="."/>
                </xsl:call-template>
              </td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
        <xsl:if test="not(body)">
          <tr>
            <td class="empty" colspan="{$columns}">&#8212;</td>
          </tr>
        </xsl:if>
      </tbody>
    </table>
  </xsl:template>

  <!-- The calibration against its history: the stability table, rows coloured by their state, then a
       small chart per component outside its warning limits, drawn as inline SVG from the coordinates
       the document gives (the plug-in lays the charts out; the template only draws them). -->
  <xsl:template match="stability">
    <div class="block short">
      <h2>
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="title"/>
        </xsl:call-template>
      </h2>
      <p class="stability-note">
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="quantity"/>
        </xsl:call-template>
        <xsl:text>. </xsl:text>
        <xsl:value-of select="period"/>
      </p>
      <table class="data stability">
        <thead>
          <tr>
            <xsl:for-each select="head/*">
              <th>
                <xsl:attribute name="class">
                  <xsl:call-template name="column-class">
                    <xsl:with-param name="column" select="local-name()"/>
                  </xsl:call-template>
                </xsl:attribute>
                <xsl:call-template name="text">
                  <xsl:with-param name="value" select="."/>
                </xsl:call-template>
              </th>
            </xsl:for-each>
          </tr>
        </thead>
        <tbody>
          <xsl:for-each select="body">
            <tr class="{state}">
              <xsl:for-each select="*[not(self::state)]">
                <td>
                  <xsl:attribute name="class">
                    <xsl:call-template name="column-class">
                      <xsl:with-param name="column" select="local-name()"/>
                    </xsl:call-template>
                  </xsl:attribute>
                  <xsl:call-template name="text">
                    <xsl:with-param name="value" select="."/>
                  </xsl:call-template>
                </td>
              </xsl:for-each>
            </tr>
          </xsl:for-each>
        </tbody>
      </table>
      <xsl:if test="chart">
        <div class="stability-charts">
          <xsl:apply-templates select="chart"/>
        </div>
      </xsl:if>
    </div>
  </xsl:template>

  <!-- One chart: every SVG element has content (a title), as every other element of the result. -->
  <xsl:template match="chart">
    <div class="stability-chart">
      <div class="chart-name">
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="name"/>
        </xsl:call-template>
      </div>
      <svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {width} {height}" width="{width}" height="{height}"
           font-family="Arial, 'Liberation Sans', 'DejaVu Sans', sans-serif" font-size="8">
        <rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}" fill="#ffffff" stroke="#808080">
          <title><xsl:value-of select="name"/></title>
        </rect>
        <xsl:for-each select="rule">
          <line x1="{../left}" y1="{y}" x2="{../right}" y2="{y}">
            <xsl:attribute name="stroke">
              <xsl:choose>
                <xsl:when test="kind = 'action'">#c62828</xsl:when>
                <xsl:when test="kind = 'warning'">#ef6c00</xsl:when>
                <xsl:otherwise>#2e7d32</xsl:otherwise>
              </xsl:choose>
            </xsl:attribute>
            <xsl:if test="kind != 'centre'">
              <xsl:attribute name="stroke-dasharray">4 3</xsl:attribute>
            </xsl:if>
            <title><xsl:value-of select="label"/></title>
          </line>
        </xsl:for-each>
        <xsl:for-each select="vtick">
          <text x="{../left - 3}" y="{y + 3}" text-anchor="end"><xsl:value-of select="label"/></text>
        </xsl:for-each>
        <xsl:for-each select="dtick">
          <text x="{x}" y="{../bottom + 11}" text-anchor="middle"><xsl:value-of select="label"/></text>
        </xsl:for-each>
        <polyline fill="none" stroke="#90a4ae" points="{line}">
          <title><xsl:value-of select="name"/></title>
        </polyline>
        <xsl:for-each select="point">
          <circle cx="{x}" cy="{y}" r="2.5">
            <xsl:attribute name="fill">
              <xsl:choose>
                <xsl:when test="zone = 2">#c62828</xsl:when>
                <xsl:when test="zone = 1">#ef6c00</xsl:when>
                <xsl:otherwise>#1565c0</xsl:otherwise>
              </xsl:choose>
            </xsl:attribute>
            <title><xsl:value-of select="label"/></title>
          </circle>
          <xsl:if test="current = 'true'">
            <circle cx="{x}" cy="{y}" r="5" fill="none" stroke="#000000">
              <title><xsl:value-of select="label"/></title>
            </circle>
          </xsl:if>
        </xsl:for-each>
      </svg>
    </div>
  </xsl:template>

  <xsl:template match="footnote">
    <p class="footnote">
      <span class="mark">
        <xsl:value-of select="normalize-space(mark)"/>
      </span>
      <xsl:text>&#160;&#8212; </xsl:text>
      <xsl:value-of select="message"/>
    </p>
  </xsl:template>

  <!-- The signature lines: the signature on the left, the printed name (the signed-in user) on the right. -->
  <xsl:template match="signed">
    <div class="signed">
      <div class="signed-title">
        <xsl:call-template name="text">
          <xsl:with-param name="value" select="title"/>
        </xsl:call-template>
      </div>
      <table class="sign">
        <tbody>
          <tr>
            <td class="line">&#160;</td>
            <td class="gap">&#160;</td>
            <td class="line">
              <xsl:call-template name="text">
                <xsl:with-param name="value" select="name"/>
              </xsl:call-template>
            </td>
          </tr>
          <tr>
            <td class="caption">
              <xsl:call-template name="text">
                <xsl:with-param name="value" select="signature"/>
              </xsl:call-template>
            </td>
            <td class="gap">&#160;</td>
            <td class="caption">
              <xsl:call-template name="text">
                <xsl:with-param name="value" select="printed"/>
              </xsl:call-template>
            </td>
          </tr>
        </tbody>
      </table>
    </div>
  </xsl:template>

  <!-- The footer: who made the report, and which table of metrological characteristics the
       uncertainties come from. -->
  <xsl:template match="footer">
    <div class="doc-foot">
      <xsl:if test="metrologytable">
        <div class="metrology-table">
          <xsl:call-template name="text">
            <xsl:with-param name="value" select="metrologytable"/>
          </xsl:call-template>
        </div>
      </xsl:if>
      <xsl:call-template name="text">
        <xsl:with-param name="value" select="info"/>
      </xsl:call-template>
    </div>
  </xsl:template>
</xsl:stylesheet>
