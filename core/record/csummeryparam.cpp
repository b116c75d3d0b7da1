#include "core/record/csummeryparam.h"

#include "core/record/summaryfields.h"

void CSummeryParam::clear()
{
    // Empty texts, not null ones: the history stores them as ''.
    for (const CSummaryField &field : CSummaryFields::all())
        this->*field.member = QString("");
}
