// CMaterialBlock: one material record.
#include "misc/data/materials.h"

#include <cstring>
#include <new>

namespace {

CWinImageFile* CopyImage(const CWinImageFile* image)
{
    if (!image)
        return nullptr;
    return new (std::nothrow) CWinImageFile(*image);
}

} // namespace

CMaterialBlock::CMaterialBlock() : m_pImage(nullptr), m_file{}
{
    Clear(0);
}

CMaterialBlock::CMaterialBlock(const CMaterialBlock& other)
    : CObject(), m_name(other.m_name), m_pImage(CopyImage(other.m_pImage)),
      m_sizeX(other.m_sizeX), m_sizeY(other.m_sizeY), m_offsetX(other.m_offsetX),
      m_offsetY(other.m_offsetY), m_weightText(other.m_weightText),
      m_costText(other.m_costText), m_cost(other.m_cost), m_weight(other.m_weight)
{
    std::memcpy(m_file, other.m_file, sizeof m_file);
    m_file[MAX_PATH - 1] = '\0';
}

CMaterialBlock::CMaterialBlock(CMaterialBlock&& other) noexcept
    : CObject(), m_name(std::move(other.m_name)), m_pImage(other.m_pImage),
      m_sizeX(other.m_sizeX), m_sizeY(other.m_sizeY), m_offsetX(other.m_offsetX),
      m_offsetY(other.m_offsetY), m_weightText(std::move(other.m_weightText)),
      m_costText(std::move(other.m_costText)), m_cost(other.m_cost), m_weight(other.m_weight)
{
    other.m_pImage = nullptr;
    std::memcpy(m_file, other.m_file, sizeof m_file);
    m_file[MAX_PATH - 1] = '\0';
}

CMaterialBlock& CMaterialBlock::operator=(const CMaterialBlock& other)
{
    if (this == &other)
        return *this;
    CWinImageFile* image = CopyImage(other.m_pImage);
    delete m_pImage;
    m_pImage = image;
    m_name = other.m_name;
    m_sizeX = other.m_sizeX;
    m_sizeY = other.m_sizeY;
    m_offsetX = other.m_offsetX;
    m_offsetY = other.m_offsetY;
    std::memcpy(m_file, other.m_file, sizeof m_file);
    m_file[MAX_PATH - 1] = '\0';
    m_weightText = other.m_weightText;
    m_costText = other.m_costText;
    m_cost = other.m_cost;
    m_weight = other.m_weight;
    return *this;
}

CMaterialBlock& CMaterialBlock::operator=(CMaterialBlock&& other) noexcept
{
    if (this == &other)
        return *this;
    delete m_pImage;
    m_pImage = other.m_pImage;
    other.m_pImage = nullptr;
    m_name = std::move(other.m_name);
    m_sizeX = other.m_sizeX;
    m_sizeY = other.m_sizeY;
    m_offsetX = other.m_offsetX;
    m_offsetY = other.m_offsetY;
    std::memcpy(m_file, other.m_file, sizeof m_file);
    m_file[MAX_PATH - 1] = '\0';
    m_weightText = std::move(other.m_weightText);
    m_costText = std::move(other.m_costText);
    m_cost = other.m_cost;
    m_weight = other.m_weight;
    return *this;
}

CMaterialBlock::~CMaterialBlock()
{
    delete m_pImage;
}

void CMaterialBlock::Clear(int keepName)
{
    delete m_pImage;
    m_pImage = nullptr;
    m_file[0] = '\0';
    if (!keepName)
        m_name.Empty();
    m_sizeX = m_sizeY = 0;
    m_offsetX = m_offsetY = 0;
    m_cost = m_weight = 0;
    m_weightText.Empty();
    m_costText.Empty();
}
