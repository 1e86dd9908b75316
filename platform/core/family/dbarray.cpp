#include "family/dbarray.h"

int CLongStringArray::GetIndex(long number) const
{
    for (int i = 0; i < GetSize(); ++i)
        if ((*this)[i].Number == number)
            return i;
    return -1;
}

int CLongStringArray::FindText(LPCTSTR text) const
{
    for (int i = 0; i < GetSize(); ++i)
        if ((*this)[i].Text == text)
            return i;
    return -1;
}

bool CLongStringArray::GetText(long number, CString& text) const
{
    int index = GetIndex(number);
    if (index < 0)
        return false;
    text = (*this)[index].Text;
    return true;
}

bool CLongStringArray::GetNumber(LPCTSTR text, long& number) const
{
    int index = FindText(text);
    if (index < 0)
        return false;
    number = (*this)[index].Number;
    return true;
}

CString CLongStringArray::GetTextAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? (*this)[nIndex].Text : CString();
}

long CLongStringArray::GetNumberAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSize() ? (*this)[nIndex].Number : 0;
}
