#include "output/ExportWriters.h"

#include "output/ExportFile.h"
#include "output/JsonExport.h"
#include "output/TxtExport.h"
#include "output/XmlExport.h"

int32_t ExportXml(const ExportHost& host, std::u16string& path) {
    return SaveExportFile(host, u".xml", BuildXmlExport(host.context, host.sources),
                          WriteErrorText::SameAsOpen, path);
}

int32_t ExportJson(const ExportHost& host, std::u16string& path) {
    return SaveExportFile(host, u".json", BuildJsonExport(host.context, host.sources),
                          WriteErrorText::OwnText, path);
}

int32_t ExportTxt(const ExportHost& host, std::u16string& path) {
    return SaveExportFile(host, u".txt", BuildTxtExport(host.context, host.sources), WriteErrorText::OwnText,
                          path);
}
