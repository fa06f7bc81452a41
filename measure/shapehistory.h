#pragma once

#include "measure/shapetype.h"

// The undo history of a scene's shapes: up to `limit` states, the current
// one at index(). Before the first state is taken back, index() is the last.
class ShapeHistory
{
public:
    explicit ShapeHistory(int limit)
        : m_limit(limit)
    {}

    // Appends the state after the current one, dropping the redo states and,
    // past the limit, the oldest.
    void save(const ShapeState &state);
    void clear();
    // The state to go to; null when there is nothing to take back (at the
    // first state, undo() goes to no shapes at all: index -1).
    const ShapeState *undo();
    const ShapeState *redo();

    int size() const { return m_states.size(); }
    int index() const { return m_index; }
    bool canUndo() const { return m_index >= 0; }
    bool canRedo() const { return m_index < m_states.size() - 1; }

private:
    int m_limit;
    QVector<ShapeState> m_states;
    int m_index = -1;
};
