#include "ui/CommonDialog1.h"

#include "ui/Platform.h"
#include "problem/Problem.h"

CommonDialog1::CommonDialog1(Platform &platform, QWidget *parent)
    : m_platform(platform), m_parent(parent)
{
}

void CommonDialog1::showOpen()
{
    show(false);
}

void CommonDialog1::showSave()
{
    show(true);
}

void CommonDialog1::show(bool save)
{
    const auto kind = save ? Platform::FileDialogKind::Save : Platform::FileDialogKind::Open;
    const std::optional<QString> path =
        m_platform.showFileDialog(m_parent, kind, m_title, m_fileName, m_filter);
    if (!path)
        throw VireError::cancelled();
    m_fileName = *path;
}
