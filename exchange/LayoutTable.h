#pragma once

// The layouts as data; Layouts.cpp reads them once.
namespace exchange::layouts {

struct LayoutSpec
{
    const char *program;
    const char *language;
    const char *columns;   // "role: Name|Name\nrole: ..."
};

extern const LayoutSpec LayoutTable[];
extern const int LayoutCount;

} // namespace exchange::layouts
