#pragma once

// The layouts as data; Layouts.cpp reads them once.
namespace exchange::layouts {

struct LayoutRow
{
    const char *program;
    const char *language;
    const char *columns;   // "role: Name|Name\nrole: ..."
};

extern const LayoutRow LayoutTable[];
extern const int LayoutCount;

} // namespace exchange::layouts
