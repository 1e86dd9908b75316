#pragma once
// CList<TYPE, ARG_TYPE>: MFC's doubly linked list; a POSITION is a node. Included by
// mfc/templ.h. Operations on an empty list or a null position throw CInvalidArgException*.

#include "misc_export.h"
MISC_PUBLIC_BEGIN

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    ~CList() override { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Head()->data; }
    const TYPE& GetHead() const { return Head()->data; }
    TYPE& GetTail() { return Tail()->data; }
    const TYPE& GetTail() const { return Tail()->data; }

    TYPE RemoveHead()
    {
        CNode* pNode = Head();
        TYPE value = pNode->data;
        FreeNode(pNode);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* pNode = Tail();
        TYPE value = pNode->data;
        FreeNode(pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertNode(nullptr, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertNode(m_pNodeTail, nullptr, newElement); }
    // Adds the elements of another list (or of this one) in their order.
    void AddHead(CList* pNewList)
    {
        if (pNewList == nullptr)
            AfxThrowInvalidArgException();
        INT_PTR n = pNewList->m_nCount;
        CNode* pNode = pNewList->m_pNodeTail;
        for (INT_PTR i = 0; i < n; ++i, pNode = pNode->pPrev)
            AddHead(pNode->data);
    }
    void AddTail(CList* pNewList)
    {
        if (pNewList == nullptr)
            AfxThrowInvalidArgException();
        INT_PTR n = pNewList->m_nCount;
        CNode* pNode = pNewList->m_pNodeHead;
        for (INT_PTR i = 0; i < n; ++i, pNode = pNode->pNext)
            AddTail(pNode->data);
    }
    void RemoveAll()
    {
        CNode* pNode = m_pNodeHead;
        while (pNode != nullptr) {
            CNode* pNext = pNode->pNext;
            delete pNode;
            pNode = pNext;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = reinterpret_cast<POSITION>(pNode->pNext);
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = reinterpret_cast<POSITION>(pNode->pNext);
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = NodeAt(rPosition);
        rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
        return pNode->data;
    }
    TYPE& GetAt(POSITION position) { return NodeAt(position)->data; }
    const TYPE& GetAt(POSITION position) const { return NodeAt(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { NodeAt(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(NodeAt(position)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* pOld = NodeAt(position);
        return InsertNode(pOld->pPrev, pOld, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* pOld = NodeAt(position);
        return InsertNode(pOld, pOld->pNext, newElement);
    }

    // The first equal element after startAfter (from the head when null), or null.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = startAfter == nullptr ? m_pNodeHead : NodeAt(startAfter)->pNext;
        for (; pNode != nullptr; pNode = pNode->pNext) {
            if (CompareElements(&pNode->data, &searchValue))
                return reinterpret_cast<POSITION>(pNode);
        }
        return nullptr;
    }
    // The position of the element with that index, or null when there is none.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return reinterpret_cast<POSITION>(pNode);
    }

    // The count, then each element (SerializeElements). Loading appends to the list.
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
                SerializeElements<TYPE>(ar, &pNode->data, 1);
        } else {
            DWORD_PTR nNewCount = ar.ReadCount();
            while (nNewCount-- > 0) {
                TYPE newData[1]{};
                SerializeElements<TYPE>(ar, newData, 1);
                AddTail(newData[0]);
            }
        }
    }

protected:
    CNode* Head() const
    {
        if (m_pNodeHead == nullptr)
            AfxThrowInvalidArgException();
        return m_pNodeHead;
    }
    CNode* Tail() const
    {
        if (m_pNodeTail == nullptr)
            AfxThrowInvalidArgException();
        return m_pNodeTail;
    }
    static CNode* NodeAt(POSITION position)
    {
        if (position == nullptr || position == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        return reinterpret_cast<CNode*>(position);
    }
    POSITION InsertNode(CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
    {
        CNode* pNode = nullptr;
        try {
            pNode = new CNode{pNext, pPrev, TYPE(newElement)};
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
        if (pPrev != nullptr)
            pPrev->pNext = pNode;
        else
            m_pNodeHead = pNode;
        if (pNext != nullptr)
            pNext->pPrev = pNode;
        else
            m_pNodeTail = pNode;
        ++m_nCount;
        return reinterpret_cast<POSITION>(pNode);
    }
    void FreeNode(CNode* pNode)
    {
        if (pNode->pPrev != nullptr)
            pNode->pPrev->pNext = pNode->pNext;
        else
            m_pNodeHead = pNode->pNext;
        if (pNode->pNext != nullptr)
            pNode->pNext->pPrev = pNode->pPrev;
        else
            m_pNodeTail = pNode->pPrev;
        delete pNode;
        --m_nCount;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

MISC_PUBLIC_END
