// XSL transformation with MSXML 6.0 through COM: three DOMDocument60 objects (the document, the style
// sheet, the result), the result saved to the output file. MinGW's headers declare the interfaces but
// not the DOMDocument60 class, so its identifiers are given here.
#include "platform/Xslt.h"

#include <windows.h>
// msxml2.h needs the types of windows.h.
#include <msxml2.h>

#include "platform/win32/Com.h"
#include "text/Utf.h"

namespace platform {
namespace {

// CLSID_DOMDocument60 {88D96A05-F192-11D4-A65F-0040963251E5}.
constexpr CLSID kClsidDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
// IID_IXMLDOMDocument2 {2933BF95-7B36-11D2-B20E-00C04F983E60}.
constexpr IID kIidXmlDomDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
// IID_IDispatch {00020400-0000-0000-C000-000000000046}.
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// A VARIANT holding a string (a file path for load and save); the string stays owned by the Bstr.
VARIANT StringVariant(const Bstr& text) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = text.Get();
    return variant;
}

bool CreateDocument(ComPtr<IXMLDOMDocument2>& document) {
    if (FAILED(CoCreateInstance(kClsidDomDocument60, nullptr, CLSCTX_ALL, kIidXmlDomDocument2,
                                document.OutVoid())) ||
        document.Get() == nullptr) {
        return false;
    }
    return SUCCEEDED(document->put_async(VARIANT_FALSE));
}

// The parser's reason for the last failed load, trimmed of its line end.
std::u16string ParseErrorReason(IXMLDOMDocument2* document) {
    ComPtr<IXMLDOMParseError> parseError;
    Bstr reason;
    if (FAILED(document->get_parseError(parseError.Out())) || parseError.Get() == nullptr ||
        FAILED(parseError->get_reason(reason.Out()))) {
        return {};
    }
    std::u16string text = reason.Text();
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) {
        text.pop_back();
    }
    return text;
}

// The description of the error the last failed call left for the thread.
std::u16string ThreadErrorDescription() {
    ComPtr<IErrorInfo> info;
    Bstr description;
    if (GetErrorInfo(0, info.Out()) != S_OK || info.Get() == nullptr ||
        FAILED(info->GetDescription(description.Out()))) {
        return {};
    }
    return description.Text();
}

bool Failed(XsltFailure& failure, XsltStep step, std::u16string detail = {}) {
    failure.step = step;
    failure.detail = std::move(detail);
    return false;
}
} // namespace

bool TransformXslt(std::u16string_view styleSheetPath, std::string_view documentUtf8,
                   std::u16string_view outputPath, XsltFailure& failure) {
    ComScope com;
    if (!com.Ok()) {
        return Failed(failure, XsltStep::Prepare);
    }
    ComPtr<IXMLDOMDocument2> input;
    ComPtr<IXMLDOMDocument2> style;
    ComPtr<IXMLDOMDocument2> output;
    if (!CreateDocument(input) || !CreateDocument(style) || !CreateDocument(output)) {
        return Failed(failure, XsltStep::Prepare);
    }

    const Bstr text(Utf8ToUtf16(documentUtf8));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(input->loadXML(text.Get(), &loaded)) || loaded != VARIANT_TRUE) {
        return Failed(failure, XsltStep::ReadDocument, ParseErrorReason(input.Get()));
    }
    // White space inside xsl:text and in the result is kept as written: without this MSXML drops the
    // spaces around the dash of a footnote ("* — ..." would become "*—...").
    if (FAILED(style->put_preserveWhiteSpace(VARIANT_TRUE)) ||
        FAILED(output->put_preserveWhiteSpace(VARIANT_TRUE))) {
        return Failed(failure, XsltStep::Prepare);
    }
    const Bstr styleSheetFile(styleSheetPath);
    loaded = VARIANT_FALSE;
    if (FAILED(style->load(StringVariant(styleSheetFile), &loaded)) || loaded != VARIANT_TRUE) {
        return Failed(failure, XsltStep::LoadStyleSheet, ParseErrorReason(style.Get()));
    }

    ComPtr<IDispatch> target;
    if (FAILED(output->QueryInterface(kIidDispatch, target.OutVoid())) || target.Get() == nullptr) {
        return Failed(failure, XsltStep::Prepare);
    }
    VARIANT targetVariant;
    VariantInit(&targetVariant);
    targetVariant.vt = VT_DISPATCH;
    targetVariant.pdispVal = target.Get();
    // Anything but S_OK is a failure: an implementation that parses the serialised result back answers
    // S_FALSE when that fails.
    if (input->transformNodeToObject(style.Get(), targetVariant) != S_OK) {
        return Failed(failure, XsltStep::Transform, ThreadErrorDescription());
    }
    ComPtr<IXMLDOMElement> resultRoot;
    if (output->get_documentElement(resultRoot.Out()) != S_OK || resultRoot.Get() == nullptr) {
        return Failed(failure, XsltStep::Transform);
    }

    const Bstr outputFile(outputPath);
    if (output->save(StringVariant(outputFile)) != S_OK) {
        return Failed(failure, XsltStep::WriteOutput, ThreadErrorDescription());
    }
    return true;
}

} // namespace platform
