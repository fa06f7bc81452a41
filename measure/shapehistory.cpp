#include "measure/shapehistory.h"

void ShapeHistory::save(const ShapeState &state)
{
    if (m_index >= 0 && m_index < m_states.size() - 1)
        m_states.erase(m_states.begin() + m_index + 1, m_states.end());
    else if (m_index == -1)
        m_states.clear();
    m_states.append(state);
    m_index = m_states.size() - 1;
    if (m_states.size() > m_limit) {
        m_states.removeFirst();
        m_index = m_states.size() - 1;
    }
}

void ShapeHistory::clear()
{
    m_index = -1;
    m_states.clear();
}

const ShapeState *ShapeHistory::undo()
{
    static const ShapeState none;
    if (m_index < 0)
        return nullptr;
    --m_index;
    return m_index >= 0 ? &m_states.at(m_index) : &none;
}

const ShapeState *ShapeHistory::redo()
{
    if (m_index >= m_states.size() - 1)
        return nullptr;
    ++m_index;
    return &m_states.at(m_index);
}
