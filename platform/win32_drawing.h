#pragma once

// How many device contexts and pens the drawing operations have obtained and given back since
// the program started. Tests compare them after many redraws; GetGuiResources cannot, as Wine
// answers it with 0.
struct DrawingResourceCounts {
    long contextsObtained = 0;
    long contextsReleased = 0;
    long pensCreated = 0;
    long pensDeleted = 0;
};

DrawingResourceCounts CurrentDrawingResourceCounts();
