#include "output/ExportHandOver.h"

#include "calc/CalcContext.h"
#include "output/ExportWriters.h"
#include "platform/ShellExecute.h"

HandOverCommand MakeHandOverCommand(std::u16string_view program, std::u16string_view parameters,
                                    std::u16string_view exportedPath) {
    HandOverCommand command;
    if (program.empty()) {
        command.openWithAssociation = true;
        command.file = exportedPath;
        return command;
    }
    command.file = program;
    const size_t placeholder = parameters.find(u"%F");
    if (placeholder == std::u16string_view::npos) {
        command.parameters = parameters;
        return command;
    }
    command.parameters = parameters.substr(0, placeholder);
    // The receiving program splits its command line at spaces: a path holding one is quoted, unless
    // the user already put quotes around the placeholder.
    const bool quoted = placeholder > 0 && parameters[placeholder - 1] == u'"';
    const bool quote = !quoted && exportedPath.find(u' ') != std::u16string_view::npos;
    if (quote) {
        command.parameters += u'"';
    }
    command.parameters += exportedPath;
    if (quote) {
        command.parameters += u'"';
    }
    command.parameters += parameters.substr(placeholder + 2);
    return command;
}

int32_t RunHandOverCommand(const HandOverCommand& command) {
    if (command.openWithAssociation) {
        return platform::OpenWithAssociatedProgram(command.file);
    }
    return platform::StartProgram(command.file, command.parameters);
}

int32_t ExportInFormat(const ExportHost& host, int32_t format, std::u16string& path) {
    switch (static_cast<ExportFormat>(format)) {
    case ExportFormat::Xml:
        return ExportXml(host, path);
    case ExportFormat::Json:
        return ExportJson(host, path);
    case ExportFormat::Txt:
        return ExportTxt(host, path);
    }
    return 0;
}

int32_t ExportAndHandOver(const ExportHost& host, std::u16string& path, const HandOverRunner& run) {
    const CalcSettings& settings = host.context.settings;
    if (ExportInFormat(host, settings.expFormat, path) == 0) {
        return 0;
    }
    const std::u16string_view program =
        std::u16string_view(settings.expCommand).substr(0, kExportCommandCapacity);
    const std::u16string_view parameters =
        std::u16string_view(settings.expParameters).substr(0, kExportCommandCapacity);
    if (run) {
        run(MakeHandOverCommand(program, parameters, path));
    }
    return 1;
}
