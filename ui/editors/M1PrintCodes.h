#pragma once
// The page code the print dialog opens on for a print from M/1 page 1-4 (page 4, the picture page,
// prints as 1014). On A3, sheet 1 carries pages 4 and 1 (1011) and sheet 2 pages 2 and 3 (1012).

constexpr int M1PrintPageCode(int page, bool onA4)
{
    if (onA4)
        return 1010 + page;
    return page == 2 || page == 3 ? 1012 : 1011;
}
