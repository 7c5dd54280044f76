// XSL transformation with libxml2 and libxslt. Their diagnostics, which they would print to the
// standard error stream, are collected for the caller instead; the style sheet may read files but
// neither write files nor reach the network.
#include "platform/Xslt.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "text/Utf.h"

namespace platform {
namespace {

// Collects the messages of libxml2 and libxslt while it lives and puts the previous handlers back.
class DiagnosticCapture {
public:
    DiagnosticCapture()
        : xmlHandler_(xmlGenericError), xmlContext_(xmlGenericErrorContext), xsltHandler_(xsltGenericError),
          xsltContext_(xsltGenericErrorContext) {
        xmlSetGenericErrorFunc(this, &DiagnosticCapture::Collect);
        xsltSetGenericErrorFunc(this, &DiagnosticCapture::Collect);
    }
    ~DiagnosticCapture() {
        xmlSetGenericErrorFunc(xmlContext_, xmlHandler_);
        xsltSetGenericErrorFunc(xsltContext_, xsltHandler_);
    }
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    // The first complete message, without its line end.
    std::u16string FirstMessage() const {
        std::string message = text_.substr(0, text_.find('\n'));
        return Utf8ToUtf16(message);
    }

private:
    static void Collect(void* context, const char* format, ...) {
        auto* self = static_cast<DiagnosticCapture*>(context);
        char buffer[1024];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(buffer, sizeof buffer, format, arguments);
        va_end(arguments);
        if (self->text_.size() >= 16384 || buffer[0] == '\0') {
            return;
        }
        // libxml2 reports an I/O failure as separate pieces ("No space left on device", "write error")
        // without a line end between them: they are kept apart.
        const char last = self->text_.empty() ? '\n' : self->text_.back();
        if (last != '\n' && last != ' ' && buffer[0] != '\n' && buffer[0] != ' ') {
            self->text_ += "; ";
        }
        self->text_ += buffer;
    }

    xmlGenericErrorFunc xmlHandler_;
    void* xmlContext_;
    xmlGenericErrorFunc xsltHandler_;
    void* xsltContext_;
    std::string text_;
};

struct DocumentOwner {
    xmlDocPtr document = nullptr;
    ~DocumentOwner() { xmlFreeDoc(document); }
};
struct StyleSheetOwner {
    xsltStylesheetPtr styleSheet = nullptr;
    ~StyleSheetOwner() { xsltFreeStylesheet(styleSheet); }
};
struct TransformOwner {
    xsltTransformContextPtr context = nullptr;
    xsltSecurityPrefsPtr security = nullptr;
    ~TransformOwner() {
        xsltFreeTransformContext(context);
        xsltFreeSecurityPrefs(security);
    }
};

bool Failed(XsltFailure& failure, XsltStep step, std::u16string detail = {}) {
    failure.step = step;
    failure.detail = std::move(detail);
    return false;
}

bool Forbid(xsltSecurityPrefsPtr security, xsltSecurityOption option) {
    return xsltSetSecurityPrefs(security, option, xsltSecurityForbid) == 0;
}
} // namespace

bool TransformXslt(std::u16string_view styleSheetPath, std::string_view documentUtf8,
                   std::u16string_view outputPath, XsltFailure& failure) {
    xmlInitParser();
    DiagnosticCapture capture;

    if (documentUtf8.empty() || documentUtf8.size() > 0x7FFFFFFF) {
        return Failed(failure, XsltStep::ReadDocument);
    }
    DocumentOwner input;
    input.document = xmlReadMemory(documentUtf8.data(), static_cast<int>(documentUtf8.size()), "report.xml",
                                   "UTF-8", XML_PARSE_NONET);
    if (input.document == nullptr) {
        return Failed(failure, XsltStep::ReadDocument, capture.FirstMessage());
    }

    const std::string styleSheetFile = Utf16ToUtf8(styleSheetPath);
    StyleSheetOwner style;
    style.styleSheet = xsltParseStylesheetFile(reinterpret_cast<const xmlChar*>(styleSheetFile.c_str()));
    if (style.styleSheet == nullptr || style.styleSheet->errors != 0) {
        return Failed(failure, XsltStep::LoadStyleSheet, capture.FirstMessage());
    }

    TransformOwner transform;
    transform.context = xsltNewTransformContext(style.styleSheet, input.document);
    transform.security = xsltNewSecurityPrefs();
    if (transform.context == nullptr || transform.security == nullptr ||
        !Forbid(transform.security, XSLT_SECPREF_WRITE_FILE) ||
        !Forbid(transform.security, XSLT_SECPREF_CREATE_DIRECTORY) ||
        !Forbid(transform.security, XSLT_SECPREF_READ_NETWORK) ||
        !Forbid(transform.security, XSLT_SECPREF_WRITE_NETWORK) ||
        xsltSetCtxtSecurityPrefs(transform.security, transform.context) != 0) {
        return Failed(failure, XsltStep::Prepare);
    }
    DocumentOwner output;
    output.document = xsltApplyStylesheetUser(style.styleSheet, input.document, nullptr, nullptr, nullptr,
                                              transform.context);
    if (output.document == nullptr || transform.context->state != XSLT_STATE_OK) {
        return Failed(failure, XsltStep::Transform, capture.FirstMessage());
    }

    const std::string outputFile = Utf16ToUtf8(outputPath);
    if (xsltSaveResultToFilename(outputFile.c_str(), output.document, style.styleSheet, 0) < 0) {
        return Failed(failure, XsltStep::WriteOutput, capture.FirstMessage());
    }
    return true;
}

} // namespace platform
