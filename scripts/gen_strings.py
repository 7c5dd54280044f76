#!/usr/bin/env python3
"""Generates the string table of the plug-in from resources/strings.tsv.

Input lines: <id> TAB <name or -> TAB <Russian text>; '#' starts a comment line. The text may use the
escapes \\n, \\t and \\\\. Outputs, into the given folder:
  StringIds.gen.h     named constants for the ids that carry a name
  StringTable.gen.cpp the portable lookup (sorted by id)
  strings.gen.rc      the Windows STRINGTABLE resource (UTF-16 code units as octal escapes)
"""
import sys
import pathlib


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\' and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({'n': '\n', 't': '\t', '\\': '\\'}.get(nxt, '\\' + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


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
    parts = []
    for unit in utf16_units(text):
        if 0x20 <= unit < 0x7f and chr(unit) not in '"\\':
            parts.append(chr(unit))
        elif unit == 0x22:
            parts.append('""')
        else:
            parts.append('\\x%04x' % unit)
    return 'L"' + ''.join(parts) + '"'


def main():
    source, out_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    entries, names = {}, {}
    for number, line in enumerate(source.read_text(encoding='utf-8').splitlines(), 1):
        if not line.strip() or line.startswith('#'):
            continue
        fields = line.split('\t', 2)
        if len(fields) != 3:
            sys.exit('%s:%d: expected <id> TAB <name> TAB <text>' % (source, number))
        ident, name, text = int(fields[0]), fields[1].strip(), unescape(fields[2])
        if ident in entries:
            sys.exit('%s:%d: id %d appears twice' % (source, number, ident))
        if not 0 < ident < 65536:
            sys.exit('%s:%d: id %d outside 1..65535' % (source, number, ident))
        entries[ident] = text
        if name != '-':
            if name in names:
                sys.exit('%s:%d: name %s appears twice' % (source, number, name))
            names[name] = ident

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
