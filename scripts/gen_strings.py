#!/usr/bin/env python3
"""Generates the string table of the plug-in from resources/strings.tsv.

Input lines: <id> TAB <name or -> TAB <Russian text>; '#' starts a comment line. The text may use the
escapes \\n, \\t and \\\\. Outputs, into the given folder:
  StringIds.gen.h     named constants for the ids that carry a name
  StringTable.gen.cpp the portable lookup (sorted by id)
  strings.gen.rc      the Windows STRINGTABLE resource (non-ASCII UTF-16 code units as \\xHHHH escapes)

The input is checked before anything is written: ids ascending and unique within 1..65535, names unique
CamelCase identifiers, no empty text, only the three escapes, no raw control characters, and every printf
conversion of a text one that FormatText (src/text/Format.h) carries out.
"""
import re
import string
import sys
import pathlib

# A conversion that FormatText carries out: flags "-+ 0", width (digits or *), precision (. digits or *),
# length (l: 32 bits as on Windows; ll or I64: 64 bits) and one of the conversions it implements; "%%" is
# a literal percent sign. The flag '#' and the length 'h' are read but not applied, so they are refused.
CONVERSION = re.compile(r'%(?:%|[-+ 0]*(?:\*|[0-9]*)(?:\.(?:\*|[0-9]*))?(?:ll|l|I64)?[sdiuxXcfFeEgG])')
# Anything that looks like a conversion: flags, width, precision, then letters.
CONVERSION_SHAPE = re.compile(r'%[-+ 0#]*(?:\*|[0-9]*)(?:\.(?:\*|[0-9]*))?[A-Za-z]+')
NAME = re.compile(r'[A-Z][A-Za-z0-9]*\Z')


class InputError(Exception):
    pass


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\':
            nxt = text[i + 1] if i + 1 < len(text) else ''
            if nxt not in ('n', 't', '\\'):
                raise InputError('unknown escape "\\%s" (only \\n, \\t and \\\\)' % nxt)
            out.append({'n': '\n', 't': '\t', '\\': '\\'}[nxt])
            i += 2
        else:
            if ord(c) < 0x20 or ord(c) == 0x7f:
                raise InputError('raw control character U+%04X (write it as an escape)' % ord(c))
            out.append(c)
            i += 1
    return ''.join(out)


def check_conversions(text):
    """Every conversion of a format text must be one that FormatText implements.

    A '%' that begins something shaped like a conversion (flags, width, precision, then a letter) must be a
    supported one. A bare '%' before any other character, as in the column title "Концентрация (мол.%)",
    is a literal sign of a plain text, which FormatText would copy unchanged; a text that has conversions
    must write its literal signs as "%%" instead.
    """
    conversions, literals, i = 0, 0, 0
    while True:
        i = text.find('%', i)
        if i < 0:
            break
        match = CONVERSION.match(text, i)
        if match:
            conversions += match.group(0) != '%%'
            i = match.end()
            continue
        if CONVERSION_SHAPE.match(text, i):
            raise InputError('unsupported printf conversion "%s"' % CONVERSION_SHAPE.match(text, i).group(0))
        literals += 1
        i += 1
    if conversions and literals:
        raise InputError('a bare "%" in a text with conversions: write a literal percent sign as "%%"')


def utf16_units(text):
    data = text.encode('utf-16-le')
    return [data[i] | (data[i + 1] << 8) for i in range(0, len(data), 2)]


def cpp_literal(text):
    literal, after_escape = '', False
    for unit in utf16_units(text):
        char = chr(unit)
        if 0x20 <= unit < 0x7f and char not in '"\\?':
            # A hexadecimal escape would swallow a following hex digit: close the literal there.
            if after_escape and char in '0123456789abcdefABCDEF':
                literal += '" u"'
            literal += char
            after_escape = False
        else:
            literal += '\\x%04x' % unit
            after_escape = True
    return 'u"' + literal + '"'


def rc_literal(text):
    parts, after_escape = [], False
    for unit in utf16_units(text):
        char = chr(unit)
        # A hex digit right after an escape is escaped as well, so no resource compiler can read it as a
        # fifth digit of the escape before it.
        if 0x20 <= unit < 0x7f and char not in '"\\' and not (after_escape and char in string.hexdigits):
            parts.append(char)
            after_escape = False
        elif unit == 0x22:
            parts.append('""')
            after_escape = False
        else:
            parts.append('\\x%04x' % unit)
            after_escape = True
    return 'L"' + ''.join(parts) + '"'


def read_table(source):
    entries, names, last = {}, {}, 0
    for number, line in enumerate(source.read_text(encoding='utf-8').splitlines(), 1):
        if not line.strip() or line.startswith('#'):
            continue
        try:
            fields = line.split('\t', 2)
            if len(fields) != 3 or not re.fullmatch(r'[0-9]+', fields[0]):
                raise InputError('expected <id> TAB <name> TAB <text>')
            ident, name, text = int(fields[0]), fields[1].strip(), unescape(fields[2])
            if ident in entries:
                raise InputError('id %d appears twice' % ident)
            if not 0 < ident < 65536:
                raise InputError('id %d outside 1..65535' % ident)
            if ident < last:
                raise InputError('id %d after %d: keep the rows in ascending id order' % (ident, last))
            if not text:
                raise InputError('empty text (the Windows string table cannot tell it from a missing one)')
            if name != '-' and not NAME.match(name):
                raise InputError('name "%s" is not a CamelCase identifier' % name)
            if name in names:
                raise InputError('name %s appears twice' % name)
            check_conversions(text)
        except InputError as error:
            sys.exit('%s:%d: %s' % (source, number, error))
        last = ident
        entries[ident] = text
        if name != '-':
            names[name] = ident
    return entries, names


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: gen_strings.py <strings.tsv> <output folder>')
    source, out_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    entries, names = read_table(source)

    out_dir.mkdir(parents=True, exist_ok=True)
    header = ['// Generated from resources/strings.tsv by scripts/gen_strings.py: do not edit.',
              '#pragma once', '#include <cstdint>', '', 'namespace StringId {']
    header += ['inline constexpr uint32_t %s = %d;' % (n, i) for n, i in sorted(names.items(), key=lambda x: x[1])]
    header += ['} // namespace StringId', '']
    write_if_changed(out_dir / 'StringIds.gen.h', '\n'.join(header))

    cpp = ['// Generated from resources/strings.tsv by scripts/gen_strings.py: do not edit.',
           '#include "text/StringTable.h"', '', '#include <algorithm>', '#include <iterator>', '',
           'namespace {', 'struct Row {', '    uint32_t id;', '    std::u16string_view text;', '};', '',
           'constexpr Row kRows[] = {']
    cpp += ['    {%d, %s},' % (i, cpp_literal(t)) for i, t in sorted(entries.items())]
    cpp += ['};', '} // namespace', '',
            'std::u16string_view LoadText(uint32_t id) {',
            '    const auto* row = std::lower_bound(std::begin(kRows), std::end(kRows), id,',
            '                                       [](const Row& r, uint32_t key) { return r.id < key; });',
            '    if (row == std::end(kRows) || row->id != id) {',
            '        return {};',
            '    }',
            '    return row->text;',
            '}', '',
            'bool HasText(uint32_t id) {',
            '    return std::binary_search(std::begin(kRows), std::end(kRows), Row{id, {}},',
            '                              [](const Row& a, const Row& b) { return a.id < b.id; });',
            '}', '']
    write_if_changed(out_dir / 'StringTable.gen.cpp', '\n'.join(cpp))

    rc = ['// Generated from resources/strings.tsv by scripts/gen_strings.py: do not edit.',
          'LANGUAGE 0x19, 0x01', 'STRINGTABLE', 'BEGIN']
    rc += ['    %d, %s' % (i, rc_literal(t)) for i, t in sorted(entries.items())]
    rc += ['END', '']
    write_if_changed(out_dir / 'strings.gen.rc', '\n'.join(rc))


def write_if_changed(path, text):
    if not path.exists() or path.read_text(encoding='utf-8') != text:
        path.write_text(text, encoding='utf-8')


if __name__ == '__main__':
    main()
