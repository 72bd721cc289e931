#pragma once

// Sample parts as Excel and LibreOffice Calc write them, written by hand from
// the published formats. Kept out of the test's source, which moc reads.
namespace samples {

inline const char ExcelSheet[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><dimension ref="A1:C7"/><sheetData>
<row r="1" spans="1:3"><c r="A1" t="s"><v>0</v></c><c r="C1" t="s"><v>1</v></c></row>
<row r="3"><c r="A3"><v>701234567</v></c><c r="B3" t="s"><v>2</v></c><c r="C3" s="2"><v>3</v></c></row>
<row r="4"><c r="A4"><v>1.23456789012346E+15</v></c><c r="B4" t="inlineStr"><is><t>A_x000D_B_x005F_x0041_</t></is></c></row>
<row r="7"><c r="A7" t="str"><f>A3&amp;""</f><v>46701234567</v></c><c r="C7" t="b"><v>1</v></c><c r="D7"><v>2.5</v></c></row>
</sheetData></worksheet>)";

inline const char ExcelStrings[] = R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="3" uniqueCount="3">
<si><t>number</t></si><si><t>sound</t></si><si><r><t>K</t></r><r><rPr><b/></rPr><t xml:space="preserve">al le</t></r><rPh sb="0" eb="1"><t>x</t></rPh></si></sst>)";

inline const char CalcContent[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:dc="http://purl.org/dc/elements/1.1/" office:version="1.3"><office:body><office:spreadsheet>
<table:table table:name="Blad1"><table:table-column table:number-columns-repeated="3"/>
<table:table-row><table:table-cell office:value-type="string"><text:p>number</text:p></table:table-cell><table:table-cell table:number-columns-repeated="2"/><table:table-cell office:value-type="string"><text:p>name</text:p></table:table-cell><table:table-cell table:number-columns-repeated="16380"/></table:table-row>
<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>
<table:table-row table:number-rows-repeated="2"><table:table-cell office:value-type="float" office:value="701234567" calcext:value-type="float" xmlns:calcext="x"><text:p>701234567</text:p></table:table-cell><table:covered-table-cell/><table:table-cell office:value-type="string" table:number-columns-repeated="2"><office:annotation><dc:creator>me</dc:creator><text:p>note</text:p></office:annotation><text:p><text:s/>Anna<text:s text:c="2"/>  <text:span>B.</text:span>
  x<text:tab/>y</text:p><text:p>two</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>
</table:table><table:table table:name="Blad2"><table:table-row><table:table-cell office:value-type="string"><text:p>not read</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document-content>)";

inline const char RootRels[] = R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";

inline const char Workbook[] = R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Kontakter" sheetId="4" r:id="rId7"/><sheet name="Other" sheetId="1" r:id="rId1"/></sheets></workbook>)";

inline const char WorkbookRels[] = R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/sheet4.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";

} // namespace samples
